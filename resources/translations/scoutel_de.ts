<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="en">
<context>
    <name>ConfigurationRules</name>
    <message>
        <source>%1 is longer than the %2 characters a device stores</source>
        <translation>%1 ist länger als die %2 Zeichen, die ein Gerät speichert</translation>
    </message>
    <message>
        <source>%1 holds characters a device cannot store: use Latin-1 characters only</source>
        <translation>%1 enthält Zeichen, die ein Gerät nicht speichern kann: nur Latin-1-Zeichen verwenden</translation>
    </message>
</context>
<context>
    <name>DialogEdit</name>
    <message>
        <source>XML import</source>
        <translation>XML-Import</translation>
    </message>
    <message>
        <source>Unknown file type.</source>
        <translation>Unbekannter Dateityp.</translation>
    </message>
    <message>
        <source>Unknown file version.</source>
        <translation>Unbekannte Dateiversion.</translation>
    </message>
    <message>
        <source>Error on line %1 column %2.
%3</source>
        <translation>Fehler in Zeile %1, Spalte %2.
%3</translation>
    </message>
    <message>
        <source>Cannot open the file %1</source>
        <translation>Die Datei %1 kann nicht geöffnet werden</translation>
    </message>
    <message>
        <source>The file %1 is larger than 1 MiB: it cannot be a configuration file.</source>
        <translation>Die Datei %1 ist größer als 1 MiB und kann daher keine Konfigurationsdatei sein.</translation>
    </message>
    <message>
        <source>Some MAC addresses are missing:
%1</source>
        <translation>Einige MAC-Adressen fehlen:
%1</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Bearbeiten</translation>
    </message>
    <message>
        <source>Header</source>
        <translation>Kopfzeile</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Passwort</translation>
    </message>
    <message>
        <source>&lt; insert here the current password &gt;</source>
        <translation>&lt; hier das aktuelle Passwort eingeben &gt;</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>&lt; no configuration file loaded &gt;</source>
        <translation>&lt; keine Konfigurationsdatei geladen &gt;</translation>
    </message>
    <message>
        <source>Load file</source>
        <translation>Datei laden</translation>
    </message>
    <message>
        <source>Save file</source>
        <translation>Datei speichern</translation>
    </message>
    <message>
        <source>Remember file</source>
        <translation>Datei merken</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Network Settings</source>
        <translation>Netzwerkeinstellungen</translation>
    </message>
    <message>
        <source>Static</source>
        <translation>Statisch</translation>
    </message>
    <message>
        <source>DHCP</source>
        <translation>DHCP</translation>
    </message>
    <message>
        <source>IP Address</source>
        <translation>IP-Adresse</translation>
    </message>
    <message>
        <source>Subnet Mask</source>
        <translation>Subnetzmaske</translation>
    </message>
    <message>
        <source>Gateway</source>
        <translation>Gateway</translation>
    </message>
    <message>
        <source>TCP Ports</source>
        <translation>TCP-Ports</translation>
    </message>
    <message>
        <source>Main Port</source>
        <translation>Hauptport</translation>
    </message>
    <message>
        <source>Aux Port</source>
        <translation>Zusatzport</translation>
    </message>
    <message>
        <source>HTTP Port</source>
        <translation>HTTP-Port</translation>
    </message>
    <message>
        <source>Use 0 to disable the port</source>
        <translation>Mit 0 wird der Port deaktiviert</translation>
    </message>
    <message>
        <source>Session minutes</source>
        <translation>Sitzungsdauer (Minuten)</translation>
    </message>
    <message>
        <source>New Password</source>
        <translation>Neues Passwort</translation>
    </message>
    <message>
        <source>Public Key</source>
        <translation>Öffentlicher Schlüssel</translation>
    </message>
    <message>
        <source>Restart device</source>
        <translation>Gerät neu starten</translation>
    </message>
    <message>
        <source>%1 cannot be empty.</source>
        <translation>%1 darf nicht leer sein.</translation>
    </message>
    <message>
        <source>%1 is not valid.</source>
        <translation>%1 ist ungültig.</translation>
    </message>
    <message>
        <source>Ports values cannot be the same.</source>
        <translation>Die Ports dürfen nicht denselben Wert haben.</translation>
    </message>
    <message>
        <source>Do you want to set the same name on multiple devices?</source>
        <translation>Soll derselbe Name für mehrere Geräte gesetzt werden?</translation>
    </message>
    <message>
        <source>Setting the same static IP address on multiple devices cause a conflict.
Do you want to continue?</source>
        <translation>Dieselbe statische IP-Adresse auf mehreren Geräten führt zu einem Konflikt.
Möchten Sie fortfahren?</translation>
    </message>
    <message>
        <source>Configuration of these MAC addresses:
%1</source>
        <translation>Konfiguration dieser MAC-Adressen:
%1</translation>
    </message>
    <message>
        <source>Load configuration file</source>
        <translation>Konfigurationsdatei laden</translation>
    </message>
    <message>
        <source>Save configuration file</source>
        <translation>Konfigurationsdatei speichern</translation>
    </message>
    <message>
        <source>Encrypted XML files (*.lmx);;XML files (*.xml)</source>
        <translation>Verschlüsselte XML-Dateien (*.lmx);;XML-Dateien (*.xml)</translation>
    </message>
    <message>
        <source>Error on line %1: %2 is not a whole number from 0 to 65535.</source>
        <translation>Fehler in Zeile %1: %2 ist keine ganze Zahl von 0 bis 65535.</translation>
    </message>
    <message>
        <source>Each device gets its own entry from the remembered file, unless you change the form.</source>
        <translation>Jedes Gerät erhält seinen eigenen Eintrag aus der gemerkten Datei, außer Sie ändern das Formular.</translation>
    </message>
    <message>
        <source>Give each device the next free address</source>
        <translation>Jedem Gerät die nächste freie Adresse geben</translation>
    </message>
    <message>
        <source>Address plan</source>
        <translation>Adressplan</translation>
    </message>
    <message>
        <source>Only %1 addresses are free from %2 to the end of its subnet: not enough for %3 devices.</source>
        <translation>Nur %1 Adressen sind ab %2 bis zum Ende des Subnetzes frei: zu wenige für %3 Geräte.</translation>
    </message>
</context>
<context>
    <name>DialogPlan</name>
    <message>
        <source>Import Plan</source>
        <translation>Plan importieren</translation>
    </message>
    <message>
        <source>Planned devices</source>
        <translation>Geplante Geräte</translation>
    </message>
    <message>
        <source>MAC Address</source>
        <translation>MAC-Adresse</translation>
    </message>
    <message>
        <source>Row</source>
        <translation>Zeile</translation>
    </message>
    <message>
        <source>Changes</source>
        <translation>Änderungen</translation>
    </message>
    <message>
        <source>Problems of the plan</source>
        <translation>Probleme des Plans</translation>
    </message>
    <message>
        <source>Current &amp;password:</source>
        <translation>Aktuelles &amp;Passwort:</translation>
    </message>
    <message>
        <source>Current password</source>
        <translation>Aktuelles Passwort</translation>
    </message>
    <message>
        <source>Save as Configuration &amp;File…</source>
        <translation>Als Konfigurations&amp;datei speichern…</translation>
    </message>
    <message>
        <source>&amp;Apply</source>
        <translation>&amp;Anwenden</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>%1: not in the plan, untouched</source>
        <translation>%1: nicht im Plan, unverändert</translation>
    </message>
    <message numerus="yes">
        <source>%n planned device(s) to change, %1 not found, %2 found and not in the plan.</source>
        <translation>
            <numerusform>%n geplantes Gerät zu ändern, %1 nicht gefunden, %2 gefunden und nicht im Plan.</numerusform>
            <numerusform>%n geplante Geräte zu ändern, %1 nicht gefunden, %2 gefunden und nicht im Plan.</numerusform>
        </translation>
    </message>
    <message>
        <source>The plan has problems: nothing is sent until they are mended.</source>
        <translation>Der Plan hat Probleme: Nichts wird gesendet, bis sie behoben sind.</translation>
    </message>
    <message>
        <source>Save as Configuration File</source>
        <translation>Als Konfigurationsdatei speichern</translation>
    </message>
    <message>
        <source>Encrypted configuration files (*.lmx);;Plain configuration files (*.xml)</source>
        <translation>Verschlüsselte Konfigurationsdateien (*.lmx);;Unverschlüsselte Konfigurationsdateien (*.xml)</translation>
    </message>
</context>
<context>
    <name>HistoryDialog</name>
    <message>
        <source>Operation History</source>
        <translation>Vorgangsverlauf</translation>
    </message>
    <message>
        <source>Find by MAC or name</source>
        <translation>Nach MAC oder Name suchen</translation>
    </message>
    <message>
        <source>Logged operations, newest first</source>
        <translation>Protokollierte Vorgänge, neueste zuerst</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Modus</translation>
    </message>
    <message>
        <source>Devices</source>
        <translation>Geräte</translation>
    </message>
    <message>
        <source>Confirmed</source>
        <translation>Bestätigt</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>Fehlgeschlagen</translation>
    </message>
    <message>
        <source>Devices of the chosen operation</source>
        <translation>Geräte des gewählten Vorgangs</translation>
    </message>
    <message>
        <source>MAC</source>
        <translation>MAC</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adresse</translation>
    </message>
    <message>
        <source>Outcome</source>
        <translation>Ergebnis</translation>
    </message>
</context>
<context>
    <name>Inventory</name>
    <message>
        <source>The device memory %1 could not be read (%2) and was moved to %3; a new one is started.</source>
        <translation>Das Gerätegedächtnis %1 konnte nicht gelesen werden (%2) und wurde nach %3 verschoben; ein neues wird begonnen.</translation>
    </message>
    <message>
        <source>The device memory %1 could not be read (%2) nor moved aside; it is left as it is and nothing is remembered this time.</source>
        <translation>Das Gerätegedächtnis %1 konnte weder gelesen (%2) noch beiseitegelegt werden; es bleibt unverändert, und diesmal wird nichts gemerkt.</translation>
    </message>
    <message>
        <source>its folder could not be made private</source>
        <translation>sein Ordner konnte nicht privat gemacht werden</translation>
    </message>
    <message>
        <source>stopped before it was complete</source>
        <translation>vor dem Abschluss abgebrochen</translation>
    </message>
    <message>
        <source>The device memory %1 could not be opened: %2</source>
        <translation>Das Gerätegedächtnis %1 konnte nicht geöffnet werden: %2</translation>
    </message>
    <message>
        <source>too large</source>
        <translation>zu groß</translation>
    </message>
    <message>
        <source>damaged or of another version</source>
        <translation>beschädigt oder aus einer anderen Version</translation>
    </message>
    <message>
        <source>The device memory %1 was not saved: %2</source>
        <translation>Das Gerätegedächtnis %1 wurde nicht gespeichert: %2</translation>
    </message>
</context>
<context>
    <name>PlanPreview</name>
    <message>
        <source>%1 is not a whole number from 0 to %2</source>
        <translation>%1 ist keine ganze Zahl von 0 bis %2</translation>
    </message>
    <message>
        <source>%1 is the main TCP port too</source>
        <translation>%1 ist auch der TCP-Hauptport</translation>
    </message>
    <message>
        <source>%1 is not a subnet mask</source>
        <translation>%1 ist keine Subnetzmaske</translation>
    </message>
    <message>
        <source>%1 is not an address</source>
        <translation>%1 ist keine Adresse</translation>
    </message>
    <message>
        <source>%1 is not a host address in the network of %2</source>
        <translation>%1 ist keine Host-Adresse im Netz von %2</translation>
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
        <translation>%1 ist auch für %2 geplant</translation>
    </message>
    <message>
        <source>%1 is held now by %2, which is not in the plan</source>
        <translation>%1 gehört jetzt %2, das nicht im Plan steht</translation>
    </message>
    <message>
        <source>%1 is held now by %2, which keeps it</source>
        <translation>%1 gehört jetzt %2, das sie behält</translation>
    </message>
    <message>
        <source>%1 and %2 swap addresses: at some moment two devices would hold one; move one of them to a free address first</source>
        <translation>%1 und %2 tauschen ihre Adressen: Einen Moment lang hätten zwei Geräte dieselbe; verlegen Sie zuerst eines auf eine freie Adresse</translation>
    </message>
    <message>
        <source>not found</source>
        <translation>nicht gefunden</translation>
    </message>
    <message>
        <source>nothing to change</source>
        <translation>nichts zu ändern</translation>
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
        <translation>%1 %2: nicht im Plan, unverändert</translation>
    </message>
</context>
<context>
    <name>PlanReader</name>
    <message>
        <source>Column &quot;%1&quot; looks like a password: a plan holds no passwords; keep them in an encrypted configuration file</source>
        <translation>Die Spalte „%1“ sieht nach einem Passwort aus: Ein Plan enthält keine Passwörter; bewahren Sie sie in einer verschlüsselten Konfigurationsdatei auf</translation>
    </message>
    <message>
        <source>Unknown column &quot;%1&quot;: give a key of the device list or a column title of the window</source>
        <translation>Unbekannte Spalte „%1“: Geben Sie einen Schlüssel der Geräteliste oder einen Spaltentitel des Fensters an</translation>
    </message>
    <message>
        <source>row %1: &quot;%2&quot; is not a MAC address</source>
        <translation>Zeile %1: „%2“ ist keine MAC-Adresse</translation>
    </message>
    <message>
        <source>%1: row %2 plans the same device already</source>
        <translation>%1: Zeile %2 plant schon dasselbe Gerät</translation>
    </message>
    <message>
        <source>%1, %2: %3 is not TRUE or FALSE, yes or no, 1 or 0</source>
        <translation>%1, %2: %3 ist nicht TRUE oder FALSE, yes oder no, 1 oder 0</translation>
    </message>
    <message>
        <source>The plan has no %1 column</source>
        <translation>Der Plan hat keine Spalte %1</translation>
    </message>
    <message>
        <source>line %1: not a JSON object</source>
        <translation>Zeile %1: kein JSON-Objekt</translation>
    </message>
    <message>
        <source>line %1, %2: not a text, a whole number or true or false</source>
        <translation>Zeile %1, %2: weder Text noch ganze Zahl noch true oder false</translation>
    </message>
    <message>
        <source>The plan has more than %1 rows</source>
        <translation>Der Plan hat mehr als %1 Zeilen</translation>
    </message>
    <message>
        <source>row %1 (%2)</source>
        <translation>Zeile %1 (%2)</translation>
    </message>
    <message>
        <source>The plan is larger than %1 MiB</source>
        <translation>Der Plan ist größer als %1 MiB</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>%1 kann nicht gelesen werden: %2</translation>
    </message>
</context>
<context>
    <name>ResultsDialog</name>
    <message>
        <source>Results</source>
        <translation>Ergebnisse</translation>
    </message>
    <message>
        <source>Outcome of each device</source>
        <translation>Ergebnis jedes Geräts</translation>
    </message>
    <message>
        <source>MAC</source>
        <translation>MAC</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adresse</translation>
    </message>
    <message>
        <source>Changed</source>
        <translation>Geändert</translation>
    </message>
    <message>
        <source>Outcome</source>
        <translation>Ergebnis</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>&amp;Export...</source>
        <translation>&amp;Exportieren...</translation>
    </message>
    <message>
        <source>&amp;Retry Failed</source>
        <translation>&amp;Fehlgeschlagene wiederholen</translation>
    </message>
    <message>
        <source>The results were not saved to %1: %2</source>
        <translation>Die Ergebnisse wurden nicht in %1 gespeichert: %2</translation>
    </message>
    <message>
        <source>Export Results</source>
        <translation>Ergebnisse exportieren</translation>
    </message>
    <message>
        <source>CSV files (*.csv);;JSON files (*.json)</source>
        <translation>CSV-Dateien (*.csv);;JSON-Dateien (*.json)</translation>
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
        <translation>Aktualisieren</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Bearbeiten</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menü</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Alle auswählen</translation>
    </message>
    <message>
        <source>Ctrl+A</source>
        <translation>Ctrl+A</translation>
    </message>
    <message>
        <source>Deselect All</source>
        <translation>Auswahl aufheben</translation>
    </message>
    <message>
        <source>Shift+A</source>
        <translation>Shift+A</translation>
    </message>
    <message>
        <source>Expand All</source>
        <translation>Alle aufklappen</translation>
    </message>
    <message>
        <source>Ctrl+E</source>
        <translation>Ctrl+E</translation>
    </message>
    <message>
        <source>Collapse All</source>
        <translation>Alle zuklappen</translation>
    </message>
    <message>
        <source>Shift+E</source>
        <translation>Shift+E</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Leeren</translation>
    </message>
    <message>
        <source>Del</source>
        <translation>Del</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Ctrl+C</source>
        <translation>Ctrl+C</translation>
    </message>
    <message>
        <source>Network Interface</source>
        <translation>Netzwerkschnittstelle</translation>
    </message>
    <message>
        <source>Error on client initialization: %1</source>
        <translation>Fehler bei der Initialisierung des Clients: %1</translation>
    </message>
    <message>
        <source>Send error: %1</source>
        <translation>Sendefehler: %1</translation>
    </message>
    <message>
        <source>About Qt</source>
        <translation>Über Qt</translation>
    </message>
    <message>
        <source>MAC Address</source>
        <translation>MAC-Adresse</translation>
    </message>
    <message>
        <source>Current IP</source>
        <translation>Aktuelle IP</translation>
    </message>
    <message>
        <source>IP Address</source>
        <translation>IP-Adresse</translation>
    </message>
    <message>
        <source>Subnet Mask</source>
        <translation>Subnetzmaske</translation>
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
        <translation>TCP-Hauptport</translation>
    </message>
    <message>
        <source>Aux TCP Port</source>
        <translation>TCP-Zusatzport</translation>
    </message>
    <message>
        <source>HTTP TCP Port</source>
        <translation>HTTP-TCP-Port</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>HW Name</source>
        <translation>HW-Name</translation>
    </message>
    <message>
        <source>HW Version</source>
        <translation>HW-Version</translation>
    </message>
    <message>
        <source>Up Time</source>
        <translation>Betriebszeit</translation>
    </message>
    <message>
        <source>Bus Onewire</source>
        <translation>Onewire-Bus</translation>
    </message>
    <message>
        <source>Bus RS485</source>
        <translation>RS485-Bus</translation>
    </message>
    <message>
        <source>Bus TCP</source>
        <translation>TCP-Bus</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Ein</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Aus</translation>
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
        <translation>Warnung:</translation>
    </message>
    <message>
        <source>Memory was low</source>
        <translation>Speicher war knapp</translation>
    </message>
    <message>
        <source>Cable was disconnected</source>
        <translation>Kabel wurde getrennt</translation>
    </message>
    <message>
        <source>DHCP failed</source>
        <translation>DHCP fehlgeschlagen</translation>
    </message>
    <message>
        <source>DHCP error resolved</source>
        <translation>DHCP-Fehler behoben</translation>
    </message>
    <message>
        <source>IP address in conflict</source>
        <translation>IP-Adresse in Konflikt</translation>
    </message>
    <message>
        <source>IP address conflict resolved</source>
        <translation>IP-Adresskonflikt behoben</translation>
    </message>
    <message>
        <source>Too many TCP connections</source>
        <translation>Zu viele TCP-Verbindungen</translation>
    </message>
    <message>
        <source>Error 0x%1</source>
        <translation>Fehler 0x%1</translation>
    </message>
    <message>
        <source>Receive error: %1
</source>
        <translation>Empfangsfehler: %1
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
        <translation>%1 antwortet nicht
</translation>
    </message>
    <message>
        <source>Operation completed successfully.</source>
        <translation>Vorgang erfolgreich abgeschlossen.</translation>
    </message>
    <message>
        <source>There were some errors.</source>
        <translation>Es sind Fehler aufgetreten.</translation>
    </message>
    <message>
        <source>Devices</source>
        <translation>Geräte</translation>
    </message>
    <message>
        <source>Edit waits until the running configuration has its summary.</source>
        <translation>Bearbeiten wartet, bis die laufende Konfiguration ihre Zusammenfassung hat.</translation>
    </message>
    <message>
        <source>Find devices</source>
        <translation>Geräte finden</translation>
    </message>
    <message>
        <source>Find name, MAC or address</source>
        <translation>Name, MAC oder Adresse finden</translation>
    </message>
    <message>
        <source>Export List…</source>
        <translation>Liste exportieren…</translation>
    </message>
    <message>
        <source>Open Web Page</source>
        <translation>Webseite öffnen</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Finden</translation>
    </message>
    <message>
        <source>Ctrl+F</source>
        <translation>Ctrl+F</translation>
    </message>
    <message>
        <source>Warnings</source>
        <translation>Warnungen</translation>
    </message>
    <message>
        <source>No browser could open %1.</source>
        <translation>Kein Browser konnte %1 öffnen.</translation>
    </message>
    <message>
        <source>The list was not saved to %1: %2</source>
        <translation>Die Liste wurde nicht in %1 gespeichert: %2</translation>
    </message>
    <message>
        <source>Export List</source>
        <translation>Liste exportieren</translation>
    </message>
    <message>
        <source>CSV files (*.csv);;JSON files (*.json)</source>
        <translation>CSV-Dateien (*.csv);;JSON-Dateien (*.json)</translation>
    </message>
    <message>
        <source>Interface</source>
        <translation>Schnittstelle</translation>
    </message>
    <message>
        <source>Not in the network of %1</source>
        <translation>Nicht im Netz von %1</translation>
    </message>
    <message numerus="yes">
        <source>%Ln device(s)</source>
        <translation>
            <numerusform>%Ln Gerät</numerusform>
            <numerusform>%Ln Geräte</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 of %Ln device(s)</source>
        <translation>
            <numerusform>%1 von %Ln Gerät</numerusform>
            <numerusform>%1 von %Ln Geräten</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1, %Ln selected</source>
        <translation>
            <numerusform>%1, %Ln ausgewählt</numerusform>
            <numerusform>%1, %Ln ausgewählt</numerusform>
        </translation>
    </message>
    <message>
        <source>All network interfaces</source>
        <translation>Alle Netzwerkschnittstellen</translation>
    </message>
    <message>
        <source>System Default</source>
        <translation>Systemstandard</translation>
    </message>
    <message>
        <source>no answer to the challenge</source>
        <translation>keine Antwort auf die Anfrage nach dem Schlüssel</translation>
    </message>
    <message>
        <source>no answer to the configuration</source>
        <translation>keine Antwort auf die Konfiguration</translation>
    </message>
    <message>
        <source>not sent: %1 (%2)</source>
        <translation>nicht gesendet: %1 (%2)</translation>
    </message>
    <message>
        <source>not sent</source>
        <translation>nicht gesendet</translation>
    </message>
    <message>
        <source>waiting</source>
        <translation>wartet</translation>
    </message>
    <message>
        <source>The operation was not recorded in the log: %1
</source>
        <translation>Der Vorgang wurde nicht im Protokoll festgehalten: %1
</translation>
    </message>
    <message>
        <source>Operation History…</source>
        <translation>Vorgangsverlauf…</translation>
    </message>
    <message>
        <source>Show Results</source>
        <translation>Ergebnisse anzeigen</translation>
    </message>
    <message>
        <source>Retry Failed</source>
        <translation>Fehlgeschlagene wiederholen</translation>
    </message>
    <message>
        <source>A device refused the password. Current password:</source>
        <translation>Ein Gerät hat das Passwort abgelehnt. Aktuelles Passwort:</translation>
    </message>
    <message>
        <source>Import Plan…</source>
        <translation>Plan importieren…</translation>
    </message>
    <message>
        <source>Import Plan</source>
        <translation>Plan importieren</translation>
    </message>
    <message>
        <source>Plans (*.csv *.tsv *.txt *.jsonl *.json);;All files (*)</source>
        <translation>Pläne (*.csv *.tsv *.txt *.jsonl *.json);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Show Missing Devices</source>
        <translation>Fehlende Geräte anzeigen</translation>
    </message>
    <message>
        <source>Forget Device</source>
        <translation>Gerät vergessen</translation>
    </message>
    <message>
        <source>Session Minutes</source>
        <translation>Sitzungsminuten</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>Netz</translation>
    </message>
    <message>
        <source>New on %1</source>
        <translation>Neu am %1</translation>
    </message>
    <message>
        <source>Changed since %1: %2</source>
        <translation>Geändert seit %1: %2</translation>
    </message>
    <message>
        <source>Not found since %1</source>
        <translation>Nicht gefunden seit %1</translation>
    </message>
    <message numerus="yes">
        <source>%1, %Ln missing</source>
        <translation>
            <numerusform>%1, %Ln fehlt</numerusform>
            <numerusform>%1, %Ln fehlen</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ScoutelConsole</name>
    <message>
        <source>Subnet Mask</source>
        <translation>Subnetzmaske</translation>
    </message>
    <message>
        <source>IP address</source>
        <translation>IP-Adresse</translation>
    </message>
    <message>
        <source>%1 is not a valid %2</source>
        <translation>%1 ist als %2 ungültig</translation>
    </message>
    <message>
        <source>%1 is not a valid TCP port</source>
        <translation>%1 ist kein gültiger TCP-Port</translation>
    </message>
    <message>
        <source>%1 is not a valid Public key</source>
        <translation>%1 ist kein gültiger öffentlicher Schlüssel</translation>
    </message>
    <message>
        <source>%1 is not a valid timeout: give a number of milliseconds, 0 or more</source>
        <translation>%1 ist kein gültiges Zeitlimit: Geben Sie eine Anzahl Millisekunden an, 0 oder mehr</translation>
    </message>
    <message>
        <source>%1 is not a valid session length: give a number of minutes from 0 to 65535</source>
        <translation>%1 ist keine gültige Sitzungsdauer: Geben Sie eine Anzahl Minuten von 0 bis 65535 an</translation>
    </message>
    <message>
        <source>Error on client initialization: %1</source>
        <translation>Fehler bei der Initialisierung des Clients: %1</translation>
    </message>
    <message>
        <source>Send error: %1</source>
        <translation>Sendefehler: %1</translation>
    </message>
    <message>
        <source>No data to send.</source>
        <translation>Keine Daten zum Senden.</translation>
    </message>
    <message>
        <source>Timeout on config.</source>
        <translation>Zeitüberschreitung bei der Konfiguration.</translation>
    </message>
    <message>
        <source>No device found.</source>
        <translation>Kein Gerät gefunden.</translation>
    </message>
    <message>
        <source>More than one device found, there must be only one.</source>
        <translation>Mehr als ein Gerät gefunden, es darf nur eines sein.</translation>
    </message>
    <message>
        <source>Receive error: %1</source>
        <translation>Empfangsfehler: %1</translation>
    </message>
    <message>
        <source>Error on %1: %2</source>
        <translation>Fehler bei %1: %2</translation>
    </message>
    <message>
        <source>The configuration was not saved to %1: %2</source>
        <translation>Die Konfiguration wurde nicht in %1 gespeichert: %2</translation>
    </message>
    <message>
        <source>A status is the low 8 bits of the code, so a few coincide: a device answering
with result 112 and no device at all both give 112.
</source>
        <translation>Der Status sind die unteren 8 Bit des Codes, daher fallen einige zusammen: ein Gerät,
das mit Ergebnis 112 antwortet, und gar kein Gerät ergeben beide 112.
</translation>
    </message>
    <message>
        <source>Languages in %1: %2
</source>
        <translation>Sprachen in %1: %2
</translation>
    </message>
    <message>
        <source>none</source>
        <translation>keine</translation>
    </message>
    <message>
        <source>%1 is not a usable network interface: none is usable here</source>
        <translation>%1 ist keine nutzbare Netzwerkschnittstelle: hier ist keine nutzbar</translation>
    </message>
    <message>
        <source>%1 is not a usable network interface: give one of %2, all or default</source>
        <translation>%1 ist keine nutzbare Netzwerkschnittstelle: eine von %2 angeben, all oder default</translation>
    </message>
    <message>
        <source>The operation was not recorded in the log: %1</source>
        <translation>Der Vorgang wurde nicht im Protokoll festgehalten: %1</translation>
    </message>
    <message>
        <source>Every planned device took its row.</source>
        <translation>Jedes geplante Gerät hat seine Zeile übernommen.</translation>
    </message>
    <message>
        <source>The plan was checked; nothing was sent.</source>
        <translation>Der Plan wurde geprüft; nichts wurde gesendet.</translation>
    </message>
    <message>
        <source>Nothing to change.</source>
        <translation>Nichts zu ändern.</translation>
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
        <translation>Aufruf: scoutel -x=PASSWORT OPTION...  das eine antwortende Gerät konfigurieren
        scoutel -X [-t=MS] [--json] [--interface=NAME|all|default]
                                       alle antwortenden Geräte auflisten
        scoutel --history [--json] [--mac=MAC]
                                       das Vorgangsprotokoll, neueste zuerst
        scoutel --plan=DATEI [--apply -x=PASSWORT] [--json] [-t=MS]
                                       einen Standortplan prüfen oder anwenden
        scoutel --help | --version

Ein Argument, das mit -x=, -X oder --plan= beginnt, wählt den
Kommandozeilenmodus; ohne ein solches öffnet das Programm sein Fenster.
Optionen werden als -schlüssel=wert oder -schlüssel geschrieben; eine spätere
Option ersetzt eine frühere mit demselben Schlüssel.

Der Lauf sendet eine Suche und wartet eine Zeitspanne ab (das Suchfenster):
Genau ein Gerät muss antworten. Danach sendet er diesem Gerät die
Konfiguration und wartet eine weitere Zeitspanne auf dessen Antwort.
Meldungen gehen auf die Standardfehlerausgabe.

Optionen:
  -X            alle antwortenden Geräte auflisten; nichts senden -X
  --json        mit -X: jedes Gerät als ein JSON-Objekt auf der Standard-
                ausgabe, sobald es antwortet; Schlüssel wie in Dateien
                                                                  -X --json
                mit -x=: den Datensatz des Vorgangs als eine JSON-Zeile
  --history     das Vorgangsprotokoll ausgeben: jede Konfiguration aus
                Fenster und Kommandozeile, mit dem Ergebnis jedes Geräts
                                                                  --history
  --mac=MAC     mit --history: nur die Vorgänge an diesem Gerät
                                            --history --mac=02:53:43:00:00:01
  --interface=NAME
                über diese Netzwerkschnittstelle suchen und konfigurieren;
                all: über jede nutzbare, jedes Gerät einmal gezählt;
                default, oder ohne die Option: das System wählt
                                                      --interface=eth1
  --plan=DATEI  suchen, dann ausgeben, was der Plan DATEI an jedem Gerät
                ändert (CSV oder JSON Lines, eine Zeile je Gerät nach
                mac_address); nichts senden          --plan=site.csv
  --apply       mit --plan: jedes geplante Gerät in einem Vorgang mit
                dem Passwort von -x konfigurieren    --apply -x=secret
  -t=MS         Zeitspanne in Millisekunden, Vorgabe 500: das Suchfenster
                und das Warten auf die Konfigurationsantwort      -t=2000
  -x=PASSWORT   das aktuelle Passwort des Geräts                  -x=secret
                -x= allein nimmt es aus SCOUTEL_PASSWORD, nicht aus
                der Prozessliste      SCOUTEL_PASSWORD=secret scoutel -x= -r
  -n=NAME       neuer Gerätename                                  -n=Vault-3
  -d=WERT       DHCP ein mit 1 oder true; jeder andere Wert: aus  -d=true
  -i=ADRESSE    statische IP-Adresse                             -i=192.168.1.20
  -m=MASKE      Subnetzmaske                                    -m=255.255.255.0
  -g=ADRESSE    Gateway                                           -g=192.168.1.1
  -p1=PORT      TCP-Hauptport, 0 deaktiviert ihn                  -p1=4000
  -p2=PORT      TCP-Hilfsport, 0 deaktiviert ihn                  -p2=4001
  -ph=PORT      HTTP-TCP-Port, 0 deaktiviert ihn                  -ph=80
  -s=MINUTEN    Sitzungsdauer in Minuten                          -s=30
  -p=PASSWORT   neues Passwort                                    -p=n3w-secret
  -k=SCHLÜSSEL  öffentlicher Schlüssel,
                24 Hexadezimalziffern                -k=00112233445566778899aabb
  -r            das Gerät nach der Änderung neu starten           -r
  -f=DATEI      die Konfiguration zusätzlich in DATEI speichern:
                als einfaches XML, wenn der Name auf .xml endet,
                sonst verschlüsselt                               -f=vault.lmx

Jede Konfiguration wird als eine JSON-Zeile an
$XDG_STATE_HOME/scoutel/operations.jsonl angehängt (Vorgabe
~/.local/state/scoutel), nur für den Benutzer lesbar, bei 8 MiB in
operations.jsonl.1 umbenannt. Sie enthält nie ein Passwort oder einen
Schlüssel, nur dass einer geändert wurde. Die Dateien löschen, um den
Verlauf zu vergessen.

Exit-Status, wie die Shell ihn sieht:
  0          konfiguriert (gibt 0, die MAC und die Adresse des Geräts aus),
             oder die Liste ist vollständig (gibt &quot;# Search complete&quot; aus)
  255        ungültiger Optionswert (-1)
  112        kein Gerät hat auf die Suche geantwortet (-400)
  111        mehr als ein Gerät hat geantwortet (-401)
  110        keine Antwort auf die Konfiguration innerhalb der Zeitspanne (-402)
  109        keine Option ändert etwas (-403)
  108        der Plan wurde abgelehnt: keine Konfiguration gesendet (-404)
  107        ein geplantes Gerät hat seine Zeile nicht übernommen (-405)
  212 210 209
             die Anfrage konnte nicht gesendet werden: Socket nicht
             gebunden (-300), Anfrage nicht erstellt (-302), nicht
             geschrieben (-303)
  55 bis 52  ein empfangenes Datagramm war nicht dekodierbar
             (-201 bis -204)
  254        das Gerät antwortete mit einem allgemeinen Fehler (-2)
  156 bis 150
             das Gerät hat die Anfrage abgelehnt (-100 bis -106);
             151 Sitzung abgelaufen (-105), 150 falsches Passwort (-106)</translation>
    </message>
    <message>
        <source>Not a MAC address: %1</source>
        <translation>Keine MAC-Adresse: %1</translation>
    </message>
    <message>
        <source>%1 is not remembered.</source>
        <translation>%1 ist nicht gemerkt.</translation>
    </message>
    <message>
        <source>%1 is forgotten.</source>
        <translation>%1 ist vergessen.</translation>
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
Gerätegedächtnis: beide Modi merken sich jedes Gerät, das antwortet, nach MAC,
mit seinen letzten Werten, Netz und Zeiten, in der Datei
  %1
die nur ihr Benutzer lesen darf; löschen Sie sie, um alle Geräte zu vergessen.
  --missing     mit -X: stattdessen die gemerkten Geräte der durchsuchten Netze
                auflisten, die nicht antworteten; JSON Lines mit --json
                                                       -X --missing --json
  --forget=MAC  ein Gerät vergessen, allein angegeben; Status 0 wenn vergessen,
                1 wenn nicht gemerkt               --forget=02-53-43-00-00-07
Mit -X --json hat jedes Gerät auch first_seen und last_seen, new (zum ersten
Mal gesehen) und changes (Felder, die vom letzten Mal abweichen).
</translation>
    </message>
    <message>
        <source>--apply needs the devices&apos; current password: give -x=PASSWORD, or -x= with SCOUTEL_PASSWORD set</source>
        <translation>--apply braucht das aktuelle Passwort der Geräte: -x=PASSWORT angeben, oder -x= mit gesetztem SCOUTEL_PASSWORD</translation>
    </message>
</context>
<context>
    <name>ScoutelSharedData</name>
    <message>
        <source>all ok</source>
        <translation>alles in Ordnung</translation>
    </message>
    <message>
        <source>session expired</source>
        <translation>Sitzung abgelaufen</translation>
    </message>
    <message>
        <source>wrong password</source>
        <translation>falsches Passwort</translation>
    </message>
    <message>
        <source>error %1</source>
        <translation>Fehler %1</translation>
    </message>
</context>
<context>
    <name>XmlFormat</name>
    <message>
        <source>Filename or data not set.</source>
        <translation>Dateiname oder Daten nicht gesetzt.</translation>
    </message>
    <message>
        <source>Password cannot be empty.</source>
        <translation>Das Passwort darf nicht leer sein.</translation>
    </message>
    <message>
        <source>The configuration holds characters that cannot be stored in a file.</source>
        <translation>Die Konfiguration enthält Zeichen, die nicht in einer Datei gespeichert werden können.</translation>
    </message>
    <message>
        <source>Cannot write to the file: %1</source>
        <translation>In die Datei kann nicht geschrieben werden: %1</translation>
    </message>
</context>
</TS>
