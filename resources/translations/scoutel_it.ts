<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT" sourcelanguage="en">
<context>
    <name>ConfigurationRules</name>
    <message>
        <source>%1 is longer than the %2 characters a device stores</source>
        <translation>%1 supera i %2 caratteri che un dispositivo memorizza</translation>
    </message>
    <message>
        <source>%1 holds characters a device cannot store: use Latin-1 characters only</source>
        <translation>%1 contiene caratteri che un dispositivo non può memorizzare: usare solo caratteri Latin-1</translation>
    </message>
</context>
<context>
    <name>DialogEdit</name>
    <message>
        <source>XML import</source>
        <translation>Importazione XML</translation>
    </message>
    <message>
        <source>Unknown file type.</source>
        <translation>Tipo di file sconosciuto.</translation>
    </message>
    <message>
        <source>Unknown file version.</source>
        <translation>Versione del file sconosciuta.</translation>
    </message>
    <message>
        <source>Error on line %1 column %2.
%3</source>
        <translation>Errore alla riga %1, colonna %2.
%3</translation>
    </message>
    <message>
        <source>Cannot open the file %1</source>
        <translation>Impossibile aprire il file %1</translation>
    </message>
    <message>
        <source>The file %1 is larger than 1 MiB: it cannot be a configuration file.</source>
        <translation>Il file %1 supera 1 MiB: non può essere un file di configurazione.</translation>
    </message>
    <message>
        <source>Some MAC addresses are missing:
%1</source>
        <translation>Mancano alcuni indirizzi MAC:
%1</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Modifica</translation>
    </message>
    <message>
        <source>Header</source>
        <translation>Intestazione</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Password</translation>
    </message>
    <message>
        <source>&lt; insert here the current password &gt;</source>
        <translation>&lt; inserire qui la password attuale &gt;</translation>
    </message>
    <message>
        <source>File</source>
        <translation>File</translation>
    </message>
    <message>
        <source>&lt; no configuration file loaded &gt;</source>
        <translation>&lt; nessun file di configurazione caricato &gt;</translation>
    </message>
    <message>
        <source>Load file</source>
        <translation>Carica file</translation>
    </message>
    <message>
        <source>Save file</source>
        <translation>Salva file</translation>
    </message>
    <message>
        <source>Remember file</source>
        <translation>Ricorda file</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Network Settings</source>
        <translation>Impostazioni di rete</translation>
    </message>
    <message>
        <source>Static</source>
        <translation>Statico</translation>
    </message>
    <message>
        <source>DHCP</source>
        <translation>DHCP</translation>
    </message>
    <message>
        <source>IP Address</source>
        <translation>Indirizzo IP</translation>
    </message>
    <message>
        <source>Subnet Mask</source>
        <translation>Maschera di sottorete</translation>
    </message>
    <message>
        <source>Gateway</source>
        <translation>Gateway</translation>
    </message>
    <message>
        <source>TCP Ports</source>
        <translation>Porte TCP</translation>
    </message>
    <message>
        <source>Main Port</source>
        <translation>Porta principale</translation>
    </message>
    <message>
        <source>Aux Port</source>
        <translation>Porta ausiliaria</translation>
    </message>
    <message>
        <source>HTTP Port</source>
        <translation>Porta HTTP</translation>
    </message>
    <message>
        <source>Use 0 to disable the port</source>
        <translation>Usare 0 per disattivare la porta</translation>
    </message>
    <message>
        <source>Session minutes</source>
        <translation>Minuti di sessione</translation>
    </message>
    <message>
        <source>New Password</source>
        <translation>Nuova password</translation>
    </message>
    <message>
        <source>Public Key</source>
        <translation>Chiave pubblica</translation>
    </message>
    <message>
        <source>Restart device</source>
        <translation>Riavvia il dispositivo</translation>
    </message>
    <message>
        <source>%1 cannot be empty.</source>
        <translation>Il campo %1 non può essere vuoto.</translation>
    </message>
    <message>
        <source>%1 is not valid.</source>
        <translation>Il valore di %1 non è valido.</translation>
    </message>
    <message>
        <source>Ports values cannot be the same.</source>
        <translation>Le porte non possono avere lo stesso valore.</translation>
    </message>
    <message>
        <source>Do you want to set the same name on multiple devices?</source>
        <translation>Impostare lo stesso nome su più dispositivi?</translation>
    </message>
    <message>
        <source>Setting the same static IP address on multiple devices cause a conflict.
Do you want to continue?</source>
        <translation>Impostare lo stesso indirizzo IP statico su più dispositivi causa un conflitto.
Continuare?</translation>
    </message>
    <message>
        <source>Configuration of these MAC addresses:
%1</source>
        <translation>Configurazione di questi indirizzi MAC:
%1</translation>
    </message>
    <message>
        <source>Load configuration file</source>
        <translation>Carica file di configurazione</translation>
    </message>
    <message>
        <source>Save configuration file</source>
        <translation>Salva file di configurazione</translation>
    </message>
    <message>
        <source>Encrypted XML files (*.lmx);;XML files (*.xml)</source>
        <translation>File XML cifrati (*.lmx);;File XML (*.xml)</translation>
    </message>
    <message>
        <source>Error on line %1: %2 is not a whole number from 0 to 65535.</source>
        <translation>Errore alla riga %1: %2 non è un numero intero da 0 a 65535.</translation>
    </message>
    <message>
        <source>Each device gets its own entry from the remembered file, unless you change the form.</source>
        <translation>Ogni dispositivo riceve la propria voce dal file ricordato, a meno che il modulo non venga modificato.</translation>
    </message>
    <message>
        <source>Give each device the next free address</source>
        <translation>Dare a ogni dispositivo il prossimo indirizzo libero</translation>
    </message>
    <message>
        <source>Address plan</source>
        <translation>Piano degli indirizzi</translation>
    </message>
    <message>
        <source>Only %1 addresses are free from %2 to the end of its subnet: not enough for %3 devices.</source>
        <translation>Solo %1 indirizzi sono liberi da %2 alla fine della sua sottorete: non bastano per %3 dispositivi.</translation>
    </message>
</context>
<context>
    <name>DialogPlan</name>
    <message>
        <source>Import Plan</source>
        <translation>Importa piano</translation>
    </message>
    <message>
        <source>Planned devices</source>
        <translation>Dispositivi pianificati</translation>
    </message>
    <message>
        <source>MAC Address</source>
        <translation>Indirizzo MAC</translation>
    </message>
    <message>
        <source>Row</source>
        <translation>Riga</translation>
    </message>
    <message>
        <source>Changes</source>
        <translation>Modifiche</translation>
    </message>
    <message>
        <source>Problems of the plan</source>
        <translation>Problemi del piano</translation>
    </message>
    <message>
        <source>Current &amp;password:</source>
        <translation>&amp;Password attuale:</translation>
    </message>
    <message>
        <source>Current password</source>
        <translation>Password attuale</translation>
    </message>
    <message>
        <source>Save as Configuration &amp;File…</source>
        <translation>Salva come &amp;file di configurazione…</translation>
    </message>
    <message>
        <source>&amp;Apply</source>
        <translation>&amp;Applica</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Chiudi</translation>
    </message>
    <message>
        <source>%1: not in the plan, untouched</source>
        <translation>%1: non nel piano, invariato</translation>
    </message>
    <message numerus="yes">
        <source>%n planned device(s) to change, %1 not found, %2 found and not in the plan.</source>
        <translation>
            <numerusform>%n dispositivo pianificato da modificare, %1 non trovati, %2 trovati e non nel piano.</numerusform>
            <numerusform>%n dispositivi pianificati da modificare, %1 non trovati, %2 trovati e non nel piano.</numerusform>
        </translation>
    </message>
    <message>
        <source>The plan has problems: nothing is sent until they are mended.</source>
        <translation>Il piano ha dei problemi: non si invia nulla finché non sono risolti.</translation>
    </message>
    <message>
        <source>Save as Configuration File</source>
        <translation>Salva come file di configurazione</translation>
    </message>
    <message>
        <source>Encrypted configuration files (*.lmx);;Plain configuration files (*.xml)</source>
        <translation>File di configurazione cifrati (*.lmx);;File di configurazione in chiaro (*.xml)</translation>
    </message>
</context>
<context>
    <name>HistoryDialog</name>
    <message>
        <source>Operation History</source>
        <translation>Cronologia delle operazioni</translation>
    </message>
    <message>
        <source>Find by MAC or name</source>
        <translation>Cerca per MAC o nome</translation>
    </message>
    <message>
        <source>Logged operations, newest first</source>
        <translation>Operazioni registrate, recenti prima</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Ora</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Modalità</translation>
    </message>
    <message>
        <source>Devices</source>
        <translation>Dispositivi</translation>
    </message>
    <message>
        <source>Confirmed</source>
        <translation>Confermati</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>Falliti</translation>
    </message>
    <message>
        <source>Devices of the chosen operation</source>
        <translation>Dispositivi dell&apos;operazione scelta</translation>
    </message>
    <message>
        <source>MAC</source>
        <translation>MAC</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Indirizzo</translation>
    </message>
    <message>
        <source>Outcome</source>
        <translation>Esito</translation>
    </message>
</context>
<context>
    <name>Inventory</name>
    <message>
        <source>The device memory %1 could not be read (%2) and was moved to %3; a new one is started.</source>
        <translation>La memoria dei dispositivi %1 non è leggibile (%2) ed è stata spostata in %3; se ne inizia una nuova.</translation>
    </message>
    <message>
        <source>The device memory %1 could not be read (%2) nor moved aside; it is left as it is and nothing is remembered this time.</source>
        <translation>La memoria dei dispositivi %1 non è leggibile (%2) né spostabile; resta com&apos;è e questa volta non si ricorda nulla.</translation>
    </message>
    <message>
        <source>its folder could not be made private</source>
        <translation>la sua cartella non può essere resa privata</translation>
    </message>
    <message>
        <source>stopped before it was complete</source>
        <translation>interrotto prima del completamento</translation>
    </message>
    <message>
        <source>The device memory %1 could not be opened: %2</source>
        <translation>Impossibile aprire la memoria dei dispositivi %1: %2</translation>
    </message>
    <message>
        <source>too large</source>
        <translation>troppo grande</translation>
    </message>
    <message>
        <source>damaged or of another version</source>
        <translation>danneggiata o di un&apos;altra versione</translation>
    </message>
    <message>
        <source>The device memory %1 was not saved: %2</source>
        <translation>La memoria dei dispositivi %1 non è stata salvata: %2</translation>
    </message>
</context>
<context>
    <name>PlanPreview</name>
    <message>
        <source>%1 is not a whole number from 0 to %2</source>
        <translation>%1 non è un numero intero da 0 a %2</translation>
    </message>
    <message>
        <source>%1 is the main TCP port too</source>
        <translation>%1 è anche la porta TCP principale</translation>
    </message>
    <message>
        <source>%1 is not a subnet mask</source>
        <translation>%1 non è una maschera di sottorete</translation>
    </message>
    <message>
        <source>%1 is not an address</source>
        <translation>%1 non è un indirizzo</translation>
    </message>
    <message>
        <source>%1 is not a host address in the network of %2</source>
        <translation>%1 non è un indirizzo host nella rete di %2</translation>
    </message>
    <message>
        <source>%1, %2: %3</source>
        <translation>%1, %2: %3</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1 is planned for %2 too</source>
        <translation>%1 è pianificato anche per %2</translation>
    </message>
    <message>
        <source>%1 is held now by %2, which is not in the plan</source>
        <translation>%1 è ora di %2, che non è nel piano</translation>
    </message>
    <message>
        <source>%1 is held now by %2, which keeps it</source>
        <translation>%1 è ora di %2, che lo mantiene</translation>
    </message>
    <message>
        <source>%1 and %2 swap addresses: at some moment two devices would hold one; move one of them to a free address first</source>
        <translation>%1 e %2 si scambiano gli indirizzi: per un momento due dispositivi avrebbero lo stesso; spostarne prima uno su un indirizzo libero</translation>
    </message>
    <message>
        <source>not found</source>
        <translation>non trovato</translation>
    </message>
    <message>
        <source>nothing to change</source>
        <translation>niente da modificare</translation>
    </message>
    <message>
        <source>%1: %2 -&gt; %3</source>
        <translation>%1: %2 -&gt; %3</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1 %2: not in the plan, untouched</source>
        <translation>%1 %2: non nel piano, invariato</translation>
    </message>
</context>
<context>
    <name>PlanReader</name>
    <message>
        <source>Column &quot;%1&quot; looks like a password: a plan holds no passwords; keep them in an encrypted configuration file</source>
        <translation>La colonna &quot;%1&quot; sembra una password: un piano non contiene password; conservarle in un file di configurazione cifrato</translation>
    </message>
    <message>
        <source>Unknown column &quot;%1&quot;: give a key of the device list or a column title of the window</source>
        <translation>Colonna sconosciuta &quot;%1&quot;: indicare una chiave dell&apos;elenco dei dispositivi o un titolo di colonna della finestra</translation>
    </message>
    <message>
        <source>row %1: &quot;%2&quot; is not a MAC address</source>
        <translation>riga %1: &quot;%2&quot; non è un indirizzo MAC</translation>
    </message>
    <message>
        <source>%1: row %2 plans the same device already</source>
        <translation>%1: la riga %2 pianifica già lo stesso dispositivo</translation>
    </message>
    <message>
        <source>%1, %2: %3 is not TRUE or FALSE, yes or no, 1 or 0</source>
        <translation>%1, %2: %3 non è TRUE o FALSE, yes o no, 1 o 0</translation>
    </message>
    <message>
        <source>The plan has no %1 column</source>
        <translation>Il piano non ha la colonna %1</translation>
    </message>
    <message>
        <source>line %1: not a JSON object</source>
        <translation>riga %1: non è un oggetto JSON</translation>
    </message>
    <message>
        <source>line %1, %2: not a text, a whole number or true or false</source>
        <translation>riga %1, %2: non è un testo, un numero intero o true o false</translation>
    </message>
    <message>
        <source>The plan has more than %1 rows</source>
        <translation>Il piano ha più di %1 righe</translation>
    </message>
    <message>
        <source>row %1 (%2)</source>
        <translation>riga %1 (%2)</translation>
    </message>
    <message>
        <source>The plan is larger than %1 MiB</source>
        <translation>Il piano è più grande di %1 MiB</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>%1 non può essere letto: %2</translation>
    </message>
</context>
<context>
    <name>ResultsDialog</name>
    <message>
        <source>Results</source>
        <translation>Risultati</translation>
    </message>
    <message>
        <source>Outcome of each device</source>
        <translation>Esito di ogni dispositivo</translation>
    </message>
    <message>
        <source>MAC</source>
        <translation>MAC</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Indirizzo</translation>
    </message>
    <message>
        <source>Changed</source>
        <translation>Modificato</translation>
    </message>
    <message>
        <source>Outcome</source>
        <translation>Esito</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copia</translation>
    </message>
    <message>
        <source>&amp;Export...</source>
        <translation>&amp;Esporta...</translation>
    </message>
    <message>
        <source>&amp;Retry Failed</source>
        <translation>&amp;Riprova i falliti</translation>
    </message>
    <message>
        <source>The results were not saved to %1: %2</source>
        <translation>I risultati non sono stati salvati in %1: %2</translation>
    </message>
    <message>
        <source>Export Results</source>
        <translation>Esporta risultati</translation>
    </message>
    <message>
        <source>CSV files (*.csv);;JSON files (*.json)</source>
        <translation>File CSV (*.csv);;File JSON (*.json)</translation>
    </message>
</context>
<context>
    <name>Scoutel</name>
    <message>
        <source>Scoutel</source>
        <translation>Scoutel</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Aggiorna</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Modifica</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menu</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Seleziona tutto</translation>
    </message>
    <message>
        <source>Ctrl+A</source>
        <translation>Ctrl+A</translation>
    </message>
    <message>
        <source>Deselect All</source>
        <translation>Deseleziona tutto</translation>
    </message>
    <message>
        <source>Shift+A</source>
        <translation>Shift+A</translation>
    </message>
    <message>
        <source>Expand All</source>
        <translation>Espandi tutto</translation>
    </message>
    <message>
        <source>Ctrl+E</source>
        <translation>Ctrl+E</translation>
    </message>
    <message>
        <source>Collapse All</source>
        <translation>Comprimi tutto</translation>
    </message>
    <message>
        <source>Shift+E</source>
        <translation>Shift+E</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Svuota</translation>
    </message>
    <message>
        <source>Del</source>
        <translation>Del</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Lingua</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Informazioni</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Esci</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copia</translation>
    </message>
    <message>
        <source>Ctrl+C</source>
        <translation>Ctrl+C</translation>
    </message>
    <message>
        <source>Network Interface</source>
        <translation>Interfaccia di rete</translation>
    </message>
    <message>
        <source>Error on client initialization: %1</source>
        <translation>Errore nell&apos;inizializzazione del client: %1</translation>
    </message>
    <message>
        <source>Send error: %1</source>
        <translation>Errore di invio: %1</translation>
    </message>
    <message>
        <source>About Qt</source>
        <translation>Informazioni su Qt</translation>
    </message>
    <message>
        <source>MAC Address</source>
        <translation>Indirizzo MAC</translation>
    </message>
    <message>
        <source>Current IP</source>
        <translation>IP attuale</translation>
    </message>
    <message>
        <source>IP Address</source>
        <translation>Indirizzo IP</translation>
    </message>
    <message>
        <source>Subnet Mask</source>
        <translation>Maschera di sottorete</translation>
    </message>
    <message>
        <source>Gateway</source>
        <translation>Gateway</translation>
    </message>
    <message>
        <source>DNS</source>
        <translation>DNS</translation>
    </message>
    <message>
        <source>DHCP</source>
        <translation>DHCP</translation>
    </message>
    <message>
        <source>Main TCP Port</source>
        <translation>Porta TCP principale</translation>
    </message>
    <message>
        <source>Aux TCP Port</source>
        <translation>Porta TCP ausiliaria</translation>
    </message>
    <message>
        <source>HTTP TCP Port</source>
        <translation>Porta TCP HTTP</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>HW Name</source>
        <translation>Nome HW</translation>
    </message>
    <message>
        <source>HW Version</source>
        <translation>Versione HW</translation>
    </message>
    <message>
        <source>Up Time</source>
        <translation>Tempo di attività</translation>
    </message>
    <message>
        <source>Bus Onewire</source>
        <translation>Bus Onewire</translation>
    </message>
    <message>
        <source>Bus RS485</source>
        <translation>Bus RS485</translation>
    </message>
    <message>
        <source>Bus TCP</source>
        <translation>Bus TCP</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Attivo</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Disattivato</translation>
    </message>
    <message>
        <source>v %1.%2</source>
        <translation>v %1.%2</translation>
    </message>
    <message>
        <source>%1 %2 %3</source>
        <translation>%1 %2 %3</translation>
    </message>
    <message>
        <source>Warning:</source>
        <translation>Avviso:</translation>
    </message>
    <message>
        <source>Memory was low</source>
        <translation>Memoria scarsa</translation>
    </message>
    <message>
        <source>Cable was disconnected</source>
        <translation>Il cavo è stato scollegato</translation>
    </message>
    <message>
        <source>DHCP failed</source>
        <translation>DHCP non riuscito</translation>
    </message>
    <message>
        <source>DHCP error resolved</source>
        <translation>Errore DHCP risolto</translation>
    </message>
    <message>
        <source>IP address in conflict</source>
        <translation>Indirizzo IP in conflitto</translation>
    </message>
    <message>
        <source>IP address conflict resolved</source>
        <translation>Conflitto di indirizzo IP risolto</translation>
    </message>
    <message>
        <source>Too many TCP connections</source>
        <translation>Troppe connessioni TCP</translation>
    </message>
    <message>
        <source>Error 0x%1</source>
        <translation>Errore 0x%1</translation>
    </message>
    <message>
        <source>Receive error: %1
</source>
        <translation>Errore di ricezione: %1
</translation>
    </message>
    <message>
        <source>%1: %2
</source>
        <translation>%1: %2
</translation>
    </message>
    <message>
        <source>%1 does not respond
</source>
        <translation>%1 non risponde
</translation>
    </message>
    <message>
        <source>Operation completed successfully.</source>
        <translation>Operazione completata correttamente.</translation>
    </message>
    <message>
        <source>There were some errors.</source>
        <translation>Si sono verificati alcuni errori.</translation>
    </message>
    <message>
        <source>Devices</source>
        <translation>Dispositivi</translation>
    </message>
    <message>
        <source>Edit waits until the running configuration has its summary.</source>
        <translation>Modifica attende che la configurazione in corso abbia il suo riepilogo.</translation>
    </message>
    <message>
        <source>Find devices</source>
        <translation>Trova dispositivi</translation>
    </message>
    <message>
        <source>Find name, MAC or address</source>
        <translation>Trova nome, MAC o indirizzo</translation>
    </message>
    <message>
        <source>Export List…</source>
        <translation>Esporta elenco…</translation>
    </message>
    <message>
        <source>Open Web Page</source>
        <translation>Apri pagina web</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Trova</translation>
    </message>
    <message>
        <source>Ctrl+F</source>
        <translation>Ctrl+F</translation>
    </message>
    <message>
        <source>Warnings</source>
        <translation>Avvisi</translation>
    </message>
    <message>
        <source>No browser could open %1.</source>
        <translation>Nessun browser ha potuto aprire %1.</translation>
    </message>
    <message>
        <source>The list was not saved to %1: %2</source>
        <translation>L&apos;elenco non è stato salvato in %1: %2</translation>
    </message>
    <message>
        <source>Export List</source>
        <translation>Esporta elenco</translation>
    </message>
    <message>
        <source>CSV files (*.csv);;JSON files (*.json)</source>
        <translation>File CSV (*.csv);;File JSON (*.json)</translation>
    </message>
    <message>
        <source>Interface</source>
        <translation>Interfaccia</translation>
    </message>
    <message>
        <source>Not in the network of %1</source>
        <translation>Non nella rete di %1</translation>
    </message>
    <message numerus="yes">
        <source>%Ln device(s)</source>
        <translation>
            <numerusform>%Ln dispositivo</numerusform>
            <numerusform>%Ln dispositivi</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 of %Ln device(s)</source>
        <translation>
            <numerusform>%1 di %Ln dispositivo</numerusform>
            <numerusform>%1 di %Ln dispositivi</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1, %Ln selected</source>
        <translation>
            <numerusform>%1, %Ln selezionato</numerusform>
            <numerusform>%1, %Ln selezionati</numerusform>
        </translation>
    </message>
    <message>
        <source>All network interfaces</source>
        <translation>Tutte le interfacce di rete</translation>
    </message>
    <message>
        <source>System Default</source>
        <translation>Predefinito di sistema</translation>
    </message>
    <message>
        <source>no answer to the challenge</source>
        <translation>nessuna risposta alla richiesta di sfida</translation>
    </message>
    <message>
        <source>no answer to the configuration</source>
        <translation>nessuna risposta alla configurazione</translation>
    </message>
    <message>
        <source>not sent: %1 (%2)</source>
        <translation>non inviato: %1 (%2)</translation>
    </message>
    <message>
        <source>not sent</source>
        <translation>non inviato</translation>
    </message>
    <message>
        <source>waiting</source>
        <translation>in attesa</translation>
    </message>
    <message>
        <source>The operation was not recorded in the log: %1
</source>
        <translation>L&apos;operazione non è stata registrata nel registro: %1
</translation>
    </message>
    <message>
        <source>Operation History…</source>
        <translation>Cronologia delle operazioni…</translation>
    </message>
    <message>
        <source>Show Results</source>
        <translation>Mostra risultati</translation>
    </message>
    <message>
        <source>Retry Failed</source>
        <translation>Riprova i falliti</translation>
    </message>
    <message>
        <source>A device refused the password. Current password:</source>
        <translation>Un dispositivo ha rifiutato la password. Password attuale:</translation>
    </message>
    <message>
        <source>Import Plan…</source>
        <translation>Importa piano…</translation>
    </message>
    <message>
        <source>Import Plan</source>
        <translation>Importa piano</translation>
    </message>
    <message>
        <source>Plans (*.csv *.tsv *.txt *.jsonl *.json);;All files (*)</source>
        <translation>Piani (*.csv *.tsv *.txt *.jsonl *.json);;Tutti i file (*)</translation>
    </message>
    <message>
        <source>Show Missing Devices</source>
        <translation>Mostra dispositivi mancanti</translation>
    </message>
    <message>
        <source>Forget Device</source>
        <translation>Dimentica dispositivo</translation>
    </message>
    <message>
        <source>Session Minutes</source>
        <translation>Minuti di sessione</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>Rete</translation>
    </message>
    <message>
        <source>New on %1</source>
        <translation>Nuovo il %1</translation>
    </message>
    <message>
        <source>Changed since %1: %2</source>
        <translation>Modificato dal %1: %2</translation>
    </message>
    <message>
        <source>Not found since %1</source>
        <translation>Non trovato dal %1</translation>
    </message>
    <message numerus="yes">
        <source>%1, %Ln missing</source>
        <translation>
            <numerusform>%1, %Ln mancante</numerusform>
            <numerusform>%1, %Ln mancanti</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ScoutelConsole</name>
    <message>
        <source>Subnet Mask</source>
        <translation>maschera di sottorete</translation>
    </message>
    <message>
        <source>IP address</source>
        <translation>indirizzo IP</translation>
    </message>
    <message>
        <source>%1 is not a valid %2</source>
        <translation>%1 non è un valore valido per il campo %2</translation>
    </message>
    <message>
        <source>%1 is not a valid TCP port</source>
        <translation>%1 non è una porta TCP valida</translation>
    </message>
    <message>
        <source>%1 is not a valid Public key</source>
        <translation>%1 non è una chiave pubblica valida</translation>
    </message>
    <message>
        <source>%1 is not a valid timeout: give a number of milliseconds, 0 or more</source>
        <translation>%1 non è un timeout valido: indicare un numero di millisecondi, 0 o più</translation>
    </message>
    <message>
        <source>%1 is not a valid session length: give a number of minutes from 0 to 65535</source>
        <translation>%1 non è una durata di sessione valida: indicare un numero di minuti da 0 a 65535</translation>
    </message>
    <message>
        <source>Error on client initialization: %1</source>
        <translation>Errore nell&apos;inizializzazione del client: %1</translation>
    </message>
    <message>
        <source>Send error: %1</source>
        <translation>Errore di invio: %1</translation>
    </message>
    <message>
        <source>No data to send.</source>
        <translation>Nessun dato da inviare.</translation>
    </message>
    <message>
        <source>Timeout on config.</source>
        <translation>Timeout durante la configurazione.</translation>
    </message>
    <message>
        <source>No device found.</source>
        <translation>Nessun dispositivo trovato.</translation>
    </message>
    <message>
        <source>More than one device found, there must be only one.</source>
        <translation>Trovato più di un dispositivo: ne deve rispondere uno solo.</translation>
    </message>
    <message>
        <source>Receive error: %1</source>
        <translation>Errore di ricezione: %1</translation>
    </message>
    <message>
        <source>Error on %1: %2</source>
        <translation>Errore su %1: %2</translation>
    </message>
    <message>
        <source>The configuration was not saved to %1: %2</source>
        <translation>La configurazione non è stata salvata in %1: %2</translation>
    </message>
    <message>
        <source>A status is the low 8 bits of the code, so a few coincide: a device answering
with result 112 and no device at all both give 112.
</source>
        <translation>Lo stato è formato dagli 8 bit bassi del codice, quindi alcuni coincidono: un dispositivo
che risponde con il risultato 112 e nessun dispositivo danno entrambi 112.
</translation>
    </message>
    <message>
        <source>Languages in %1: %2
</source>
        <translation>Lingue in %1: %2
</translation>
    </message>
    <message>
        <source>none</source>
        <translation>nessuna</translation>
    </message>
    <message>
        <source>%1 is not a usable network interface: none is usable here</source>
        <translation>%1 non è un&apos;interfaccia di rete utilizzabile: qui non ce n&apos;è nessuna</translation>
    </message>
    <message>
        <source>%1 is not a usable network interface: give one of %2, all or default</source>
        <translation>%1 non è un&apos;interfaccia di rete utilizzabile: indicarne una tra %2, all o default</translation>
    </message>
    <message>
        <source>The operation was not recorded in the log: %1</source>
        <translation>L&apos;operazione non è stata registrata nel registro: %1</translation>
    </message>
    <message>
        <source>Every planned device took its row.</source>
        <translation>Ogni dispositivo pianificato ha accettato la sua riga.</translation>
    </message>
    <message>
        <source>The plan was checked; nothing was sent.</source>
        <translation>Il piano è stato verificato; non è stato inviato nulla.</translation>
    </message>
    <message>
        <source>Nothing to change.</source>
        <translation>Niente da modificare.</translation>
    </message>
    <message>
        <source>Usage: scoutel -x=PASSWORD OPTION...   configure the one device that answers
       scoutel -X [-t=MS] [--json] [--interface=NAME|all|default]
                                       list every device that answers
       scoutel --history [--json] [--mac=MAC]
                                       the operation log, newest first
       scoutel --plan=FILE [--apply -x=PASSWORD] [--json] [-t=MS]
                                       preview a site plan, or apply it
       scoutel --help | --version

An argument beginning with -x=, -X or --plan= selects the command-line mode;
without one the program starts its window. Options are written -key=value or
-key; a later option replaces an earlier one with the same key.

The run sends one search and waits one timeout (the search window): exactly
one device must answer. It then sends that device the configuration and
waits one more timeout for its answer. Reports go to standard error.

Options:
  -X            list every device that answers; send nothing      -X
  --json        with -X: each device as one JSON object on standard
                output as it answers, keys as in files            -X --json
                with -x=: the operation&apos;s record as one JSON line
  --history     print the operation log: each configuration, window and
                command line, with every device&apos;s outcome   --history
  --mac=MAC     with --history: only operations on this device
                                            --history --mac=02:53:43:00:00:01
  --interface=NAME
                search and configure through this network interface;
                all: through every usable one, each device counted
                once; default, or without the option: the system
                chooses                               --interface=eth1
  --plan=FILE   search, then print what the plan FILE changes on each
                device (CSV or JSON Lines, a row per device keyed by
                mac_address); send nothing          --plan=site.csv
  --apply       with --plan: configure every planned device in one
                operation with the password of -x   --apply -x=secret
  -t=MS         timeout in milliseconds, default 500: the search window,
                and again the wait for the configuration answer   -t=2000
  -x=PASSWORD   the device&apos;s current password                     -x=secret
                -x= alone takes it from SCOUTEL_PASSWORD, out of the
                process list          SCOUTEL_PASSWORD=secret scoutel -x= -r
  -n=NAME       new device name                                   -n=Vault-3
  -d=VALUE      DHCP on with 1 or true; any other value: off      -d=true
  -i=ADDRESS    static IP address                                 -i=192.168.1.20
  -m=MASK       subnet mask                                       -m=255.255.255.0
  -g=ADDRESS    gateway                                           -g=192.168.1.1
  -p1=PORT      main TCP port, 0 disables it                      -p1=4000
  -p2=PORT      auxiliary TCP port, 0 disables it                 -p2=4001
  -ph=PORT      HTTP TCP port, 0 disables it                      -ph=80
  -s=MINUTES    session length in minutes                         -s=30
  -p=PASSWORD   new password                                      -p=n3w-secret
  -k=KEY        public key, 24 hexadecimal digits         -k=00112233445566778899aabb
  -r            restart the device after the change               -r
  -f=FILE       also save the configuration to FILE: plain XML when
                the name ends in .xml, encrypted otherwise        -f=vault.lmx

Every configuration is appended as one JSON line to
$XDG_STATE_HOME/scoutel/operations.jsonl (default ~/.local/state/scoutel),
readable by the user only, renamed operations.jsonl.1 at 8 MiB. It never
holds a password or key, only that one was changed. Delete the files to
forget the history.

Exit status as the shell sees it:
  0          configured (prints 0, the MAC and the device&apos;s address), or
             the list is complete (prints &quot;# Search complete&quot;)
  255        invalid option value (-1)
  112        no device answered the search (-400)
  111        more than one device answered (-401)
  110        no answer to the configuration within the timeout (-402)
  109        no option changes anything (-403)
  108        the plan was refused: no configuration was sent (-404)
  107        a planned device did not take its row (-405)
  212 210 209
             the request could not be sent: socket not bound (-300),
             request not built (-302), not written (-303)
  55 to 52   a received datagram could not be decoded (-201 to -204)
  254        the device answered with a generic error (-2)
  156 to 150 the device refused the request (-100 to -106);
             151 session expired (-105), 150 wrong password (-106)
</source>
        <translation>Uso: scoutel -x=PASSWORD OPZIONE...  configura l&apos;unico dispositivo che risponde
     scoutel -X [-t=MS] [--json] [--interface=NOME|all|default]
                                     elenca tutti i dispositivi che rispondono
     scoutel --history [--json] [--mac=MAC]
                                     il registro delle operazioni, recenti prima
     scoutel --plan=FILE [--apply -x=PASSWORD] [--json] [-t=MS]
                                     verifica o applica un piano del sito
     scoutel --help | --version

Un argomento che inizia con -x=, -X o --plan= sceglie la modalità a riga di
comando; senza di esso il programma apre la sua finestra. Le opzioni si scrivono
-chiave=valore o -chiave; un&apos;opzione successiva sostituisce una precedente
con la stessa chiave.

L&apos;esecuzione invia una ricerca e attende un timeout (la finestra di ricerca):
deve rispondere esattamente un dispositivo. Poi invia a quel dispositivo la
configurazione e attende un altro timeout per la sua risposta. I messaggi
vanno sullo standard error.

Opzioni:
  -X            elenca i dispositivi che rispondono; nessun invio -X
  --json        con -X: ogni dispositivo come un oggetto JSON sullo
                standard output appena risponde, chiavi come nei file
                                                                  -X --json
                con -x=: il resoconto dell&apos;operazione come una riga JSON
  --history     stampa il registro delle operazioni: ogni configurazione,
                da finestra e riga di comando, con l&apos;esito di ogni
                dispositivo                                       --history
  --mac=MAC     con --history: solo le operazioni su questo dispositivo
                                            --history --mac=02:53:43:00:00:01
  --interface=NOME
                cerca e configura attraverso questa interfaccia di rete;
                all: attraverso tutte quelle utilizzabili, ogni dispositivo
                contato una volta; default, o senza l&apos;opzione: sceglie
                il sistema                            --interface=eth1
  --plan=FILE   cerca, poi mostra cosa cambia il piano FILE su ogni
                dispositivo (CSV o JSON Lines, una riga per dispositivo
                per mac_address); nessun invio      --plan=site.csv
  --apply       con --plan: configura ogni dispositivo pianificato in
                un&apos;unica operazione con la password di -x
                                                    --apply -x=secret
  -t=MS         timeout in millisecondi, predefinito 500: la finestra di ricerca
                e l&apos;attesa della risposta alla configurazione     -t=2000
  -x=PASSWORD   la password attuale del dispositivo               -x=secret
                -x= da solo lo prende da SCOUTEL_PASSWORD, fuori
                dall&apos;elenco dei processi SCOUTEL_PASSWORD=secret scoutel -x= -r
  -n=NOME       nuovo nome del dispositivo                        -n=Vault-3
  -d=VALORE     DHCP attivo con 1 o true; qualsiasi altro valore:
                disattivo                                         -d=true
  -i=INDIRIZZO  indirizzo IP statico                             -i=192.168.1.20
  -m=MASCHERA   maschera di sottorete                           -m=255.255.255.0
  -g=INDIRIZZO  gateway                                           -g=192.168.1.1
  -p1=PORTA     porta TCP principale, 0 la disattiva              -p1=4000
  -p2=PORTA     porta TCP ausiliaria, 0 la disattiva              -p2=4001
  -ph=PORTA     porta TCP HTTP, 0 la disattiva                    -ph=80
  -s=MINUTI     durata della sessione in minuti                   -s=30
  -p=PASSWORD   nuova password                                    -p=n3w-secret
  -k=CHIAVE     chiave pubblica,
                24 cifre esadecimali                 -k=00112233445566778899aabb
  -r            riavvia il dispositivo dopo la modifica           -r
  -f=FILE       salva anche la configurazione in FILE: XML in chiaro
                se il nome termina in .xml, altrimenti cifrato    -f=vault.lmx

Ogni configurazione viene aggiunta come una riga JSON a
$XDG_STATE_HOME/scoutel/operations.jsonl (predefinito ~/.local/state/scoutel),
leggibile solo dall&apos;utente, rinominato operations.jsonl.1 a 8 MiB. Non
contiene mai una password o una chiave, solo che è stata cambiata.
Eliminare i file per dimenticare la cronologia.

Stato di uscita visto dalla shell:
  0          configurato (stampa 0, il MAC e l&apos;indirizzo del dispositivo),
             oppure elenco completo (stampa &quot;# Search complete&quot;)
  255        valore di opzione non valido (-1)
  112        nessun dispositivo ha risposto alla ricerca (-400)
  111        ha risposto più di un dispositivo (-401)
  110        nessuna risposta alla configurazione entro il timeout (-402)
  109        nessuna opzione cambia qualcosa (-403)
  108        il piano è stato rifiutato: nessuna configurazione inviata (-404)
  107        un dispositivo pianificato non ha accettato la sua riga (-405)
  212 210 209
             impossibile inviare la richiesta: socket non associato
             (-300), richiesta non costruita (-302), non scritta (-303)
  da 55 a 52
             un datagramma ricevuto non è decodificabile (da -201 a -204)
  254        il dispositivo ha risposto con un errore generico (-2)
  da 156 a 150
             il dispositivo ha rifiutato la richiesta (da -100 a -106);
             151 sessione scaduta (-105), 150 password errata (-106)</translation>
    </message>
    <message>
        <source>Not a MAC address: %1</source>
        <translation>Non è un indirizzo MAC: %1</translation>
    </message>
    <message>
        <source>%1 is not remembered.</source>
        <translation>%1 non è ricordato.</translation>
    </message>
    <message>
        <source>%1 is forgotten.</source>
        <translation>%1 è dimenticato.</translation>
    </message>
    <message>
        <source>
Device memory: both modes remember every device that answers, by MAC, with
its last values, network and times, in the file
  %1
which only its user may read; delete it to forget every device.
  --missing     with -X: list instead the remembered devices of the networks
                searched that did not answer; JSON Lines with --json
                                                       -X --missing --json
  --forget=MAC  forget one device, given alone; status 0 when forgotten,
                1 when not remembered          --forget=02-53-43-00-00-07
With -X --json each device also has first_seen and last_seen, new (seen for
the first time) and changes (fields that differ from the time before).
</source>
        <translation>
Memoria dei dispositivi: entrambe le modalità ricordano ogni dispositivo che
risponde, per MAC, con gli ultimi valori, la rete e gli orari, nel file
  %1
leggibile solo dal suo utente; cancellarlo per dimenticare tutti i dispositivi.
  --missing     con -X: elenca invece i dispositivi ricordati delle reti
                cercate che non hanno risposto; JSON Lines con --json
                                                       -X --missing --json
  --forget=MAC  dimentica un dispositivo, dato da solo; stato 0 se dimenticato,
                1 se non ricordato                 --forget=02-53-43-00-00-07
Con -X --json ogni dispositivo ha anche first_seen e last_seen, new (visto per
la prima volta) e changes (campi diversi dalla volta precedente).
</translation>
    </message>
    <message>
        <source>--apply needs the devices&apos; current password: give -x=PASSWORD, or -x= with SCOUTEL_PASSWORD set</source>
        <translation>--apply richiede la password attuale dei dispositivi: indicare -x=PASSWORD, oppure -x= con SCOUTEL_PASSWORD impostata</translation>
    </message>
</context>
<context>
    <name>ScoutelSharedData</name>
    <message>
        <source>all ok</source>
        <translation>tutto ok</translation>
    </message>
    <message>
        <source>session expired</source>
        <translation>sessione scaduta</translation>
    </message>
    <message>
        <source>wrong password</source>
        <translation>password errata</translation>
    </message>
    <message>
        <source>error %1</source>
        <translation>errore %1</translation>
    </message>
</context>
<context>
    <name>XmlFormat</name>
    <message>
        <source>Filename or data not set.</source>
        <translation>Nome del file o dati non impostati.</translation>
    </message>
    <message>
        <source>Password cannot be empty.</source>
        <translation>La password non può essere vuota.</translation>
    </message>
    <message>
        <source>The configuration holds characters that cannot be stored in a file.</source>
        <translation>La configurazione contiene caratteri che non si possono salvare in un file.</translation>
    </message>
    <message>
        <source>Cannot write to the file: %1</source>
        <translation>Impossibile scrivere nel file: %1</translation>
    </message>
</context>
</TS>
