<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="en">
<context>
    <name>ConfigurationRules</name>
    <message>
        <source>%1 is longer than the %2 characters a device stores</source>
        <translation>%1 is longer than the %2 characters a device stores</translation>
    </message>
    <message>
        <source>%1 holds characters a device cannot store: use Latin-1 characters only</source>
        <translation>%1 holds characters a device cannot store: use Latin-1 characters only</translation>
    </message>
</context>
<context>
    <name>DialogEdit</name>
    <message>
        <source>Edit</source>
        <translation>Edit</translation>
    </message>
    <message>
        <source>Header</source>
        <translation>Header</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Password</translation>
    </message>
    <message>
        <source>&lt; insert here the current password &gt;</source>
        <translation>&lt; insert here the current password &gt;</translation>
    </message>
    <message>
        <source>File</source>
        <translation>File</translation>
    </message>
    <message>
        <source>&lt; no configuration file loaded &gt;</source>
        <translation>&lt; no configuration file loaded &gt;</translation>
    </message>
    <message>
        <source>Load file</source>
        <translation>Load file</translation>
    </message>
    <message>
        <source>Save file</source>
        <translation>Save file</translation>
    </message>
    <message>
        <source>Remember file</source>
        <translation>Remember file</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Network Settings</source>
        <translation>Network Settings</translation>
    </message>
    <message>
        <source>Static</source>
        <translation>Static</translation>
    </message>
    <message>
        <source>DHCP</source>
        <translation>DHCP</translation>
    </message>
    <message>
        <source>IP Address</source>
        <translation>IP Address</translation>
    </message>
    <message>
        <source>Subnet Mask</source>
        <translation>Subnet Mask</translation>
    </message>
    <message>
        <source>Gateway</source>
        <translation>Gateway</translation>
    </message>
    <message>
        <source>TCP Ports</source>
        <translation>TCP Ports</translation>
    </message>
    <message>
        <source>Main Port</source>
        <translation>Main Port</translation>
    </message>
    <message>
        <source>Use 0 to disable the port</source>
        <translation>Use 0 to disable the port</translation>
    </message>
    <message>
        <source>Aux Port</source>
        <translation>Aux Port</translation>
    </message>
    <message>
        <source>HTTP Port</source>
        <translation>HTTP Port</translation>
    </message>
    <message>
        <source>Session minutes</source>
        <translation>Session minutes</translation>
    </message>
    <message>
        <source>New Password</source>
        <translation>New Password</translation>
    </message>
    <message>
        <source>Public Key</source>
        <translation>Public Key</translation>
    </message>
    <message>
        <source>Restart device</source>
        <translation>Restart device</translation>
    </message>
    <message>
        <source>XML import</source>
        <translation>XML import</translation>
    </message>
    <message>
        <source>Unknown file type.</source>
        <translation>Unknown file type.</translation>
    </message>
    <message>
        <source>Unknown file version.</source>
        <translation>Unknown file version.</translation>
    </message>
    <message>
        <source>Error on line %1: %2 is not a whole number from 0 to 65535.</source>
        <translation>Error on line %1: %2 is not a whole number from 0 to 65535.</translation>
    </message>
    <message>
        <source>Error on line %1 column %2.
%3</source>
        <translation>Error on line %1 column %2.
%3</translation>
    </message>
    <message>
        <source>Cannot open the file %1</source>
        <translation>Cannot open the file %1</translation>
    </message>
    <message>
        <source>The file %1 is larger than 1 MiB: it cannot be a configuration file.</source>
        <translation>The file %1 is larger than 1 MiB: it cannot be a configuration file.</translation>
    </message>
    <message>
        <source>Some MAC addresses are missing:
%1</source>
        <translation>Some MAC addresses are missing:
%1</translation>
    </message>
    <message>
        <source>Configuration of these MAC addresses:
%1</source>
        <translation>Configuration of these MAC addresses:
%1</translation>
    </message>
    <message>
        <source>Ports values cannot be the same.</source>
        <translation>Ports values cannot be the same.</translation>
    </message>
    <message>
        <source>%1 cannot be empty.</source>
        <translation>%1 cannot be empty.</translation>
    </message>
    <message>
        <source>Setting the same static IP address on multiple devices cause a conflict.
Do you want to continue?</source>
        <translation>Setting the same static IP address on multiple devices cause a conflict.
Do you want to continue?</translation>
    </message>
    <message>
        <source>Do you want to set the same name on multiple devices?</source>
        <translation>Do you want to set the same name on multiple devices?</translation>
    </message>
    <message>
        <source>%1 is not valid.</source>
        <translation>%1 is not valid.</translation>
    </message>
    <message>
        <source>Encrypted XML files (*.lmx);;XML files (*.xml)</source>
        <translation>Encrypted XML files (*.lmx);;XML files (*.xml)</translation>
    </message>
    <message>
        <source>Save configuration file</source>
        <translation>Save configuration file</translation>
    </message>
    <message>
        <source>Load configuration file</source>
        <translation>Load configuration file</translation>
    </message>
    <message>
        <source>Each device gets its own entry from the remembered file, unless you change the form.</source>
        <translation>Each device gets its own entry from the remembered file, unless you change the form.</translation>
    </message>
    <message>
        <source>Give each device the next free address</source>
        <translation>Give each device the next free address</translation>
    </message>
    <message>
        <source>Address plan</source>
        <translation>Address plan</translation>
    </message>
    <message>
        <source>Only %1 addresses are free from %2 to the end of its subnet: not enough for %3 devices.</source>
        <translation>Only %1 addresses are free from %2 to the end of its subnet: not enough for %3 devices.</translation>
    </message>
</context>
<context>
    <name>DialogPlan</name>
    <message>
        <source>Import Plan</source>
        <translation>Import Plan</translation>
    </message>
    <message>
        <source>Planned devices</source>
        <translation>Planned devices</translation>
    </message>
    <message>
        <source>MAC Address</source>
        <translation>MAC Address</translation>
    </message>
    <message>
        <source>Row</source>
        <translation>Row</translation>
    </message>
    <message>
        <source>Changes</source>
        <translation>Changes</translation>
    </message>
    <message>
        <source>Problems of the plan</source>
        <translation>Problems of the plan</translation>
    </message>
    <message>
        <source>Current &amp;password:</source>
        <translation>Current &amp;password:</translation>
    </message>
    <message>
        <source>Current password</source>
        <translation>Current password</translation>
    </message>
    <message>
        <source>Save as Configuration &amp;File…</source>
        <translation>Save as Configuration &amp;File…</translation>
    </message>
    <message>
        <source>&amp;Apply</source>
        <translation>&amp;Apply</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Close</translation>
    </message>
    <message>
        <source>%1: not in the plan, untouched</source>
        <translation>%1: not in the plan, untouched</translation>
    </message>
    <message numerus="yes">
        <source>%n planned device(s) to change, %1 not found, %2 found and not in the plan.</source>
        <translation>
            <numerusform>%n planned device to change, %1 not found, %2 found and not in the plan.</numerusform>
            <numerusform>%n planned devices to change, %1 not found, %2 found and not in the plan.</numerusform>
        </translation>
    </message>
    <message>
        <source>The plan has problems: nothing is sent until they are mended.</source>
        <translation>The plan has problems: nothing is sent until they are mended.</translation>
    </message>
    <message>
        <source>Save as Configuration File</source>
        <translation>Save as Configuration File</translation>
    </message>
    <message>
        <source>Encrypted configuration files (*.lmx);;Plain configuration files (*.xml)</source>
        <translation>Encrypted configuration files (*.lmx);;Plain configuration files (*.xml)</translation>
    </message>
</context>
<context>
    <name>HistoryDialog</name>
    <message>
        <source>Operation History</source>
        <translation>Operation History</translation>
    </message>
    <message>
        <source>Find by MAC or name</source>
        <translation>Find by MAC or name</translation>
    </message>
    <message>
        <source>Logged operations, newest first</source>
        <translation>Logged operations, newest first</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Mode</translation>
    </message>
    <message>
        <source>Devices</source>
        <translation>Devices</translation>
    </message>
    <message>
        <source>Confirmed</source>
        <translation>Confirmed</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>Failed</translation>
    </message>
    <message>
        <source>Devices of the chosen operation</source>
        <translation>Devices of the chosen operation</translation>
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
        <translation>Address</translation>
    </message>
    <message>
        <source>Outcome</source>
        <translation>Outcome</translation>
    </message>
</context>
<context>
    <name>Inventory</name>
    <message>
        <source>The device memory %1 could not be read (%2) and was moved to %3; a new one is started.</source>
        <translation>The device memory %1 could not be read (%2) and was moved to %3; a new one is started.</translation>
    </message>
    <message>
        <source>The device memory %1 could not be read (%2) nor moved aside; it is left as it is and nothing is remembered this time.</source>
        <translation>The device memory %1 could not be read (%2) nor moved aside; it is left as it is and nothing is remembered this time.</translation>
    </message>
    <message>
        <source>its folder could not be made private</source>
        <translation>its folder could not be made private</translation>
    </message>
    <message>
        <source>stopped before it was complete</source>
        <translation>stopped before it was complete</translation>
    </message>
    <message>
        <source>The device memory %1 could not be opened: %2</source>
        <translation>The device memory %1 could not be opened: %2</translation>
    </message>
    <message>
        <source>too large</source>
        <translation>too large</translation>
    </message>
    <message>
        <source>damaged or of another version</source>
        <translation>damaged or of another version</translation>
    </message>
    <message>
        <source>The device memory %1 was not saved: %2</source>
        <translation>The device memory %1 was not saved: %2</translation>
    </message>
</context>
<context>
    <name>PlanPreview</name>
    <message>
        <source>%1 is not a whole number from 0 to %2</source>
        <translation>%1 is not a whole number from 0 to %2</translation>
    </message>
    <message>
        <source>%1 is the main TCP port too</source>
        <translation>%1 is the main TCP port too</translation>
    </message>
    <message>
        <source>%1 is not a subnet mask</source>
        <translation>%1 is not a subnet mask</translation>
    </message>
    <message>
        <source>%1 is not an address</source>
        <translation>%1 is not an address</translation>
    </message>
    <message>
        <source>%1 is not a host address in the network of %2</source>
        <translation>%1 is not a host address in the network of %2</translation>
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
        <translation>%1 is planned for %2 too</translation>
    </message>
    <message>
        <source>%1 is held now by %2, which is not in the plan</source>
        <translation>%1 is held now by %2, which is not in the plan</translation>
    </message>
    <message>
        <source>%1 is held now by %2, which keeps it</source>
        <translation>%1 is held now by %2, which keeps it</translation>
    </message>
    <message>
        <source>%1 and %2 swap addresses: at some moment two devices would hold one; move one of them to a free address first</source>
        <translation>%1 and %2 swap addresses: at some moment two devices would hold one; move one of them to a free address first</translation>
    </message>
    <message>
        <source>not found</source>
        <translation>not found</translation>
    </message>
    <message>
        <source>nothing to change</source>
        <translation>nothing to change</translation>
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
        <translation>%1 %2: not in the plan, untouched</translation>
    </message>
</context>
<context>
    <name>PlanReader</name>
    <message>
        <source>Column &quot;%1&quot; looks like a password: a plan holds no passwords; keep them in an encrypted configuration file</source>
        <translation>Column &quot;%1&quot; looks like a password: a plan holds no passwords; keep them in an encrypted configuration file</translation>
    </message>
    <message>
        <source>Unknown column &quot;%1&quot;: give a key of the device list or a column title of the window</source>
        <translation>Unknown column &quot;%1&quot;: give a key of the device list or a column title of the window</translation>
    </message>
    <message>
        <source>row %1: &quot;%2&quot; is not a MAC address</source>
        <translation>row %1: &quot;%2&quot; is not a MAC address</translation>
    </message>
    <message>
        <source>%1: row %2 plans the same device already</source>
        <translation>%1: row %2 plans the same device already</translation>
    </message>
    <message>
        <source>%1, %2: %3 is not TRUE or FALSE, yes or no, 1 or 0</source>
        <translation>%1, %2: %3 is not TRUE or FALSE, yes or no, 1 or 0</translation>
    </message>
    <message>
        <source>The plan has no %1 column</source>
        <translation>The plan has no %1 column</translation>
    </message>
    <message>
        <source>line %1: not a JSON object</source>
        <translation>line %1: not a JSON object</translation>
    </message>
    <message>
        <source>line %1, %2: not a text, a whole number or true or false</source>
        <translation>line %1, %2: not a text, a whole number or true or false</translation>
    </message>
    <message>
        <source>The plan has more than %1 rows</source>
        <translation>The plan has more than %1 rows</translation>
    </message>
    <message>
        <source>row %1 (%2)</source>
        <translation>row %1 (%2)</translation>
    </message>
    <message>
        <source>The plan is larger than %1 MiB</source>
        <translation>The plan is larger than %1 MiB</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>%1 cannot be read: %2</translation>
    </message>
</context>
<context>
    <name>ResultsDialog</name>
    <message>
        <source>Results</source>
        <translation>Results</translation>
    </message>
    <message>
        <source>Outcome of each device</source>
        <translation>Outcome of each device</translation>
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
        <translation>Address</translation>
    </message>
    <message>
        <source>Changed</source>
        <translation>Changed</translation>
    </message>
    <message>
        <source>Outcome</source>
        <translation>Outcome</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copy</translation>
    </message>
    <message>
        <source>&amp;Export...</source>
        <translation>&amp;Export...</translation>
    </message>
    <message>
        <source>&amp;Retry Failed</source>
        <translation>&amp;Retry Failed</translation>
    </message>
    <message>
        <source>The results were not saved to %1: %2</source>
        <translation>The results were not saved to %1: %2</translation>
    </message>
    <message>
        <source>Export Results</source>
        <translation>Export Results</translation>
    </message>
    <message>
        <source>CSV files (*.csv);;JSON files (*.json)</source>
        <translation>CSV files (*.csv);;JSON files (*.json)</translation>
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
        <translation>Refresh</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Edit</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menu</translation>
    </message>
    <message>
        <source>MAC Address</source>
        <translation>MAC Address</translation>
    </message>
    <message>
        <source>Current IP</source>
        <translation>Current IP</translation>
    </message>
    <message>
        <source>IP Address</source>
        <translation>IP Address</translation>
    </message>
    <message>
        <source>Subnet Mask</source>
        <translation>Subnet Mask</translation>
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
        <translation>Main TCP Port</translation>
    </message>
    <message>
        <source>Aux TCP Port</source>
        <translation>Aux TCP Port</translation>
    </message>
    <message>
        <source>HTTP TCP Port</source>
        <translation>HTTP TCP Port</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>HW Name</source>
        <translation>HW Name</translation>
    </message>
    <message>
        <source>HW Version</source>
        <translation>HW Version</translation>
    </message>
    <message>
        <source>Up Time</source>
        <translation>Up Time</translation>
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
        <source>Select All</source>
        <translation>Select All</translation>
    </message>
    <message>
        <source>Ctrl+A</source>
        <translation>Ctrl+A</translation>
    </message>
    <message>
        <source>Deselect All</source>
        <translation>Deselect All</translation>
    </message>
    <message>
        <source>Shift+A</source>
        <translation>Shift+A</translation>
    </message>
    <message>
        <source>Expand All</source>
        <translation>Expand All</translation>
    </message>
    <message>
        <source>Ctrl+E</source>
        <translation>Ctrl+E</translation>
    </message>
    <message>
        <source>Collapse All</source>
        <translation>Collapse All</translation>
    </message>
    <message>
        <source>Shift+E</source>
        <translation>Shift+E</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Clear</translation>
    </message>
    <message>
        <source>Del</source>
        <translation>Del</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Language</translation>
    </message>
    <message>
        <source>About</source>
        <translation>About</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>Ctrl+C</source>
        <translation>Ctrl+C</translation>
    </message>
    <message>
        <source>Network Interface</source>
        <translation>Network Interface</translation>
    </message>
    <message>
        <source>Receive error: %1
</source>
        <translation>Receive error: %1
</translation>
    </message>
    <message>
        <source>Send error: %1</source>
        <translation>Send error: %1</translation>
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
        <translation>%1 does not respond
</translation>
    </message>
    <message>
        <source>%1 %2 %3</source>
        <translation>%1 %2 %3</translation>
    </message>
    <message>
        <source>On</source>
        <translation>On</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Off</translation>
    </message>
    <message>
        <source>Memory was low</source>
        <translation>Memory was low</translation>
    </message>
    <message>
        <source>Cable was disconnected</source>
        <translation>Cable was disconnected</translation>
    </message>
    <message>
        <source>DHCP error resolved</source>
        <translation>DHCP error resolved</translation>
    </message>
    <message>
        <source>DHCP failed</source>
        <translation>DHCP failed</translation>
    </message>
    <message>
        <source>IP address conflict resolved</source>
        <translation>IP address conflict resolved</translation>
    </message>
    <message>
        <source>IP address in conflict</source>
        <translation>IP address in conflict</translation>
    </message>
    <message>
        <source>Too many TCP connections</source>
        <translation>Too many TCP connections</translation>
    </message>
    <message>
        <source>Error 0x%1</source>
        <translation>Error 0x%1</translation>
    </message>
    <message>
        <source>v %1.%2</source>
        <translation>v %1.%2</translation>
    </message>
    <message>
        <source>Warning:</source>
        <translation>Warning:</translation>
    </message>
    <message>
        <source>Error on client initialization: %1</source>
        <translation>Error on client initialization: %1</translation>
    </message>
    <message>
        <source>Operation completed successfully.</source>
        <translation>Operation completed successfully.</translation>
    </message>
    <message>
        <source>There were some errors.</source>
        <translation>There were some errors.</translation>
    </message>
    <message>
        <source>About Qt</source>
        <translation>About Qt</translation>
    </message>
    <message>
        <source>Devices</source>
        <translation>Devices</translation>
    </message>
    <message>
        <source>Edit waits until the running configuration has its summary.</source>
        <translation>Edit waits until the running configuration has its summary.</translation>
    </message>
    <message>
        <source>Find devices</source>
        <translation>Find devices</translation>
    </message>
    <message>
        <source>Find name, MAC or address</source>
        <translation>Find name, MAC or address</translation>
    </message>
    <message>
        <source>Export List…</source>
        <translation>Export List…</translation>
    </message>
    <message>
        <source>Open Web Page</source>
        <translation>Open Web Page</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Find</translation>
    </message>
    <message>
        <source>Ctrl+F</source>
        <translation>Ctrl+F</translation>
    </message>
    <message>
        <source>Warnings</source>
        <translation>Warnings</translation>
    </message>
    <message>
        <source>No browser could open %1.</source>
        <translation>No browser could open %1.</translation>
    </message>
    <message>
        <source>The list was not saved to %1: %2</source>
        <translation>The list was not saved to %1: %2</translation>
    </message>
    <message>
        <source>Export List</source>
        <translation>Export List</translation>
    </message>
    <message>
        <source>CSV files (*.csv);;JSON files (*.json)</source>
        <translation>CSV files (*.csv);;JSON files (*.json)</translation>
    </message>
    <message>
        <source>Interface</source>
        <translation>Interface</translation>
    </message>
    <message>
        <source>Not in the network of %1</source>
        <translation>Not in the network of %1</translation>
    </message>
    <message numerus="yes">
        <source>%Ln device(s)</source>
        <translation>
            <numerusform>%Ln device</numerusform>
            <numerusform>%Ln devices</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 of %Ln device(s)</source>
        <translation>
            <numerusform>%1 of %Ln device</numerusform>
            <numerusform>%1 of %Ln devices</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1, %Ln selected</source>
        <translation>
            <numerusform>%1, %Ln selected</numerusform>
            <numerusform>%1, %Ln selected</numerusform>
        </translation>
    </message>
    <message>
        <source>All network interfaces</source>
        <translation>All network interfaces</translation>
    </message>
    <message>
        <source>System Default</source>
        <translation>System Default</translation>
    </message>
    <message>
        <source>no answer to the challenge</source>
        <translation>no answer to the challenge</translation>
    </message>
    <message>
        <source>no answer to the configuration</source>
        <translation>no answer to the configuration</translation>
    </message>
    <message>
        <source>not sent: %1 (%2)</source>
        <translation>not sent: %1 (%2)</translation>
    </message>
    <message>
        <source>not sent</source>
        <translation>not sent</translation>
    </message>
    <message>
        <source>waiting</source>
        <translation>waiting</translation>
    </message>
    <message>
        <source>The operation was not recorded in the log: %1
</source>
        <translation>The operation was not recorded in the log: %1
</translation>
    </message>
    <message>
        <source>Operation History…</source>
        <translation>Operation History…</translation>
    </message>
    <message>
        <source>Show Results</source>
        <translation>Show Results</translation>
    </message>
    <message>
        <source>Retry Failed</source>
        <translation>Retry Failed</translation>
    </message>
    <message>
        <source>A device refused the password. Current password:</source>
        <translation>A device refused the password. Current password:</translation>
    </message>
    <message>
        <source>Import Plan…</source>
        <translation>Import Plan…</translation>
    </message>
    <message>
        <source>Import Plan</source>
        <translation>Import Plan</translation>
    </message>
    <message>
        <source>Plans (*.csv *.tsv *.txt *.jsonl *.json);;All files (*)</source>
        <translation>Plans (*.csv *.tsv *.txt *.jsonl *.json);;All files (*)</translation>
    </message>
    <message>
        <source>Show Missing Devices</source>
        <translation>Show Missing Devices</translation>
    </message>
    <message>
        <source>Forget Device</source>
        <translation>Forget Device</translation>
    </message>
    <message>
        <source>Session Minutes</source>
        <translation>Session Minutes</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>Network</translation>
    </message>
    <message>
        <source>New on %1</source>
        <translation>New on %1</translation>
    </message>
    <message>
        <source>Changed since %1: %2</source>
        <translation>Changed since %1: %2</translation>
    </message>
    <message>
        <source>Not found since %1</source>
        <translation>Not found since %1</translation>
    </message>
    <message numerus="yes">
        <source>%1, %Ln missing</source>
        <translation>
            <numerusform>%1, %Ln missing</numerusform>
            <numerusform>%1, %Ln missing</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ScoutelConsole</name>
    <message>
        <source>Subnet Mask</source>
        <translation>Subnet Mask</translation>
    </message>
    <message>
        <source>IP address</source>
        <translation>IP address</translation>
    </message>
    <message>
        <source>%1 is not a valid %2</source>
        <translation>%1 is not a valid %2</translation>
    </message>
    <message>
        <source>%1 is not a valid TCP port</source>
        <translation>%1 is not a valid TCP port</translation>
    </message>
    <message>
        <source>%1 is not a valid Public key</source>
        <translation>%1 is not a valid Public key</translation>
    </message>
    <message>
        <source>%1 is not a valid timeout: give a number of milliseconds, 0 or more</source>
        <translation>%1 is not a valid timeout: give a number of milliseconds, 0 or more</translation>
    </message>
    <message>
        <source>%1 is not a valid session length: give a number of minutes from 0 to 65535</source>
        <translation>%1 is not a valid session length: give a number of minutes from 0 to 65535</translation>
    </message>
    <message>
        <source>Error on client initialization: %1</source>
        <translation>Error on client initialization: %1</translation>
    </message>
    <message>
        <source>The configuration was not saved to %1: %2</source>
        <translation>The configuration was not saved to %1: %2</translation>
    </message>
    <message>
        <source>Send error: %1</source>
        <translation>Send error: %1</translation>
    </message>
    <message>
        <source>No data to send.</source>
        <translation>No data to send.</translation>
    </message>
    <message>
        <source>Timeout on config.</source>
        <translation>Timeout on config.</translation>
    </message>
    <message>
        <source>No device found.</source>
        <translation>No device found.</translation>
    </message>
    <message>
        <source>More than one device found, there must be only one.</source>
        <translation>More than one device found, there must be only one.</translation>
    </message>
    <message>
        <source>Receive error: %1</source>
        <translation>Receive error: %1</translation>
    </message>
    <message>
        <source>Error on %1: %2</source>
        <translation>Error on %1: %2</translation>
    </message>
    <message>
        <source>Languages in %1: %2
</source>
        <translation>Languages in %1: %2
</translation>
    </message>
    <message>
        <source>none</source>
        <translation>none</translation>
    </message>
    <message>
        <source>A status is the low 8 bits of the code, so a few coincide: a device answering
with result 112 and no device at all both give 112.
</source>
        <translation>A status is the low 8 bits of the code, so a few coincide: a device answering
with result 112 and no device at all both give 112.
</translation>
    </message>
    <message>
        <source>%1 is not a usable network interface: none is usable here</source>
        <translation>%1 is not a usable network interface: none is usable here</translation>
    </message>
    <message>
        <source>%1 is not a usable network interface: give one of %2, all or default</source>
        <translation>%1 is not a usable network interface: give one of %2, all or default</translation>
    </message>
    <message>
        <source>The operation was not recorded in the log: %1</source>
        <translation>The operation was not recorded in the log: %1</translation>
    </message>
    <message>
        <source>Every planned device took its row.</source>
        <translation>Every planned device took its row.</translation>
    </message>
    <message>
        <source>The plan was checked; nothing was sent.</source>
        <translation>The plan was checked; nothing was sent.</translation>
    </message>
    <message>
        <source>Nothing to change.</source>
        <translation>Nothing to change.</translation>
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
        <translation>Usage: scoutel -x=PASSWORD OPTION...   configure the one device that answers
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
</translation>
    </message>
    <message>
        <source>Not a MAC address: %1</source>
        <translation>Not a MAC address: %1</translation>
    </message>
    <message>
        <source>%1 is not remembered.</source>
        <translation>%1 is not remembered.</translation>
    </message>
    <message>
        <source>%1 is forgotten.</source>
        <translation>%1 is forgotten.</translation>
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
</translation>
    </message>
    <message>
        <source>--apply needs the devices&apos; current password: give -x=PASSWORD, or -x= with SCOUTEL_PASSWORD set</source>
        <translation>--apply needs the devices&apos; current password: give -x=PASSWORD, or -x= with SCOUTEL_PASSWORD set</translation>
    </message>
</context>
<context>
    <name>ScoutelSharedData</name>
    <message>
        <source>all ok</source>
        <translation>all ok</translation>
    </message>
    <message>
        <source>session expired</source>
        <translation>session expired</translation>
    </message>
    <message>
        <source>wrong password</source>
        <translation>wrong password</translation>
    </message>
    <message>
        <source>error %1</source>
        <translation>error %1</translation>
    </message>
</context>
<context>
    <name>XmlFormat</name>
    <message>
        <source>Filename or data not set.</source>
        <translation>Filename or data not set.</translation>
    </message>
    <message>
        <source>Password cannot be empty.</source>
        <translation>Password cannot be empty.</translation>
    </message>
    <message>
        <source>The configuration holds characters that cannot be stored in a file.</source>
        <translation>The configuration holds characters that cannot be stored in a file.</translation>
    </message>
    <message>
        <source>Cannot write to the file: %1</source>
        <translation>Cannot write to the file: %1</translation>
    </message>
</context>
</TS>
