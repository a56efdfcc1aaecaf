#include "usagetext.h"

#include "inventoryfile.h"
#include "languagefolder.h"

QString UsageText::version()
{
    // The catalogues the window will offer, and where they were found.
    const QString folder = LanguageFolder::find(LanguageFolder::programDirectory());
    QStringList codes = LanguageFolder::codes(folder, QStringLiteral("scoutel_"));
    codes.sort();
    return QStringLiteral("Scoutel " SCOUTEL_VERSION_TEXT "\n") +
           tr("Languages in %1: %2\n")
               .arg(folder, codes.isEmpty() ? tr("none") : codes.join(QLatin1Char(' ')));
}

QString UsageText::help()
{
    return tr("Usage: scoutel -x=PASSWORD OPTION...   configure the one device that answers\n"
              "       scoutel -X [-t=MS] [--json] [--interface=NAME|all|default]\n"
              "                                       list every device that answers\n"
              "       scoutel --history [--json] [--mac=MAC]\n"
              "                                       the operation log, newest first\n"
              "       scoutel --plan=FILE [--apply -x=PASSWORD] [--json] [-t=MS]\n"
              "                                       preview a site plan, or apply it\n"
              "       scoutel --help | --version\n"
              "\n"
              "An argument beginning with -x=, -X or --plan= selects the command-line mode;\n"
              "without one the program starts its window. Options are written -key=value or\n"
              "-key; a later option replaces an earlier one with the same key.\n"
              "\n"
              "The run sends one search and waits one timeout (the search window): exactly\n"
              "one device must answer. It then sends that device the configuration and\n"
              "waits one more timeout for its answer. Reports go to standard error.\n"
              "\n"
              "Options:\n"
              "  -X            list every device that answers; send nothing      -X\n"
              "  --json        with -X: each device as one JSON object on standard\n"
              "                output as it answers, keys as in files            -X --json\n"
              "                with -x=: the operation's record as one JSON line\n"
              "  --history     print the operation log: each configuration, window and\n"
              "                command line, with every device's outcome   --history\n"
              "  --mac=MAC     with --history: only operations on this device\n"
              "                                            --history --mac=02:53:43:00:00:01\n"
              "  --interface=NAME\n"
              "                search and configure through this network interface;\n"
              "                all: through every usable one, each device counted\n"
              "                once; default, or without the option: the system\n"
              "                chooses                               --interface=eth1\n"
              "  --plan=FILE   search, then print what the plan FILE changes on each\n"
              "                device (CSV or JSON Lines, a row per device keyed by\n"
              "                mac_address); send nothing          --plan=site.csv\n"
              "  --apply       with --plan: configure every planned device in one\n"
              "                operation with the password of -x   --apply -x=secret\n"
              "  -t=MS         timeout in milliseconds, default 500: the search window,\n"
              "                and again the wait for the configuration answer   -t=2000\n"
              "  -x=PASSWORD   the device's current password                     -x=secret\n"
              "                -x= alone takes it from SCOUTEL_PASSWORD, out of the\n"
              "                process list          SCOUTEL_PASSWORD=secret scoutel -x= -r\n"
              "  -n=NAME       new device name                                   -n=Vault-3\n"
              "  -d=VALUE      DHCP on with 1 or true; any other value: off      -d=true\n"
              "  -i=ADDRESS    static IP address                                 -i=192.168.1.20\n"
              "  -m=MASK       subnet mask                                       -m=255.255.255.0\n"
              "  -g=ADDRESS    gateway                                           -g=192.168.1.1\n"
              "  -p1=PORT      main TCP port, 0 disables it                      -p1=4000\n"
              "  -p2=PORT      auxiliary TCP port, 0 disables it                 -p2=4001\n"
              "  -ph=PORT      HTTP TCP port, 0 disables it                      -ph=80\n"
              "  -s=MINUTES    session length in minutes                         -s=30\n"
              "  -p=PASSWORD   new password                                      -p=n3w-secret\n"
              "  -k=KEY        public key, 24 hexadecimal digits         "
              "-k=00112233445566778899aabb\n"
              "  -r            restart the device after the change               -r\n"
              "  -f=FILE       also save the configuration to FILE: plain XML when\n"
              "                the name ends in .xml, encrypted otherwise        -f=vault.lmx\n"
              "\n"
              "Every configuration is appended as one JSON line to\n"
              "$XDG_STATE_HOME/scoutel/operations.jsonl (default ~/.local/state/scoutel),\n"
              "readable by the user only, renamed operations.jsonl.1 at 8 MiB. It never\n"
              "holds a password or key, only that one was changed. Delete the files to\n"
              "forget the history.\n"
              "\n"
              "Exit status as the shell sees it:\n"
              "  0          configured (prints 0, the MAC and the device's address), or\n"
              "             the list is complete (prints \"# Search complete\")\n"
              "  255        invalid option value (-1)\n"
              "  112        no device answered the search (-400)\n"
              "  111        more than one device answered (-401)\n"
              "  110        no answer to the configuration within the timeout (-402)\n"
              "  109        no option changes anything (-403)\n"
              "  108        the plan was refused: no configuration was sent (-404)\n"
              "  107        a planned device did not take its row (-405)\n"
              "  212 210 209\n"
              "             the request could not be sent: socket not bound (-300),\n"
              "             request not built (-302), not written (-303)\n"
              "  55 to 52   a received datagram could not be decoded (-201 to -204)\n"
              "  254        the device answered with a generic error (-2)\n"
              "  156 to 150 the device refused the request (-100 to -106);\n"
              "             151 session expired (-105), 150 wrong password (-106)\n") +
           tr("A status is the low 8 bits of the code, so a few coincide: a device answering\n"
              "with result 112 and no device at all both give 112.\n") +
           memoryHelp();
}

QString UsageText::memoryHelp()
{
    return tr("\n"
              "Device memory: both modes remember every device that answers, by MAC, with\n"
              "its last values, network and times, in the file\n"
              "  %1\n"
              "which only its user may read; delete it to forget every device.\n"
              "  --missing     with -X: list instead the remembered devices of the networks\n"
              "                searched that did not answer; JSON Lines with --json\n"
              "                                                       -X --missing --json\n"
              "  --forget=MAC  forget one device, given alone; status 0 when forgotten,\n"
              "                1 when not remembered          --forget=02-53-43-00-00-07\n"
              "With -X --json each device also has first_seen and last_seen, new (seen for\n"
              "the first time) and changes (fields that differ from the time before).\n")
        .arg(InventoryFile::defaultPath());
}
