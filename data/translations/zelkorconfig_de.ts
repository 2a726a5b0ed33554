<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="en">
<context>
    <name>res</name>
    <message>
        <source>VQ7100 Files (*.vq)</source>
        <translation>VQ7100-Dateien (*.vq)</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Unbenannt</translation>
    </message>
    <message>
        <source>Save changes to %s?</source>
        <translation>Änderungen an %s speichern?</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Speichern unter</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Import CSV</source>
        <translation>CSV importieren</translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation>CSV exportieren</translation>
    </message>
    <message>
        <source>CSV Files (*.csv)</source>
        <translation>CSV-Dateien (*.csv)</translation>
    </message>
    <message>
        <source>Export PDF</source>
        <translation>PDF exportieren</translation>
    </message>
    <message>
        <source>PDF Files (*.pdf)</source>
        <translation>PDF-Dateien (*.pdf)</translation>
    </message>
    <message>
        <source>The pages could not be printed.</source>
        <translation>Die Seiten konnten nicht gedruckt werden.</translation>
    </message>
    <message>
        <source>The pages could not be drawn for the preview.</source>
        <translation>Die Seiten konnten für die Vorschau nicht gezeichnet werden.</translation>
    </message>
    <message>
        <source>The pages could not be made into a PDF.</source>
        <translation>Aus den Seiten konnte kein PDF erstellt werden.</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;New	Ctrl+N</source>
        <translation>&amp;Neu	Ctrl+N</translation>
    </message>
    <message>
        <source>&amp;Open...	Ctrl+O</source>
        <translation>Ö&amp;ffnen...	Ctrl+O</translation>
    </message>
    <message>
        <source>&amp;Save	Ctrl+S</source>
        <translation>&amp;Speichern	Ctrl+S</translation>
    </message>
    <message>
        <source>&amp;Import CSV...</source>
        <translation>CSV &amp;importieren...</translation>
    </message>
    <message>
        <source>&amp;Export CSV...</source>
        <translation>CSV e&amp;xportieren...</translation>
    </message>
    <message>
        <source>Export P&amp;DF...</source>
        <translation>&amp;PDF exportieren...</translation>
    </message>
    <message>
        <source>&amp;Print...	Ctrl+P</source>
        <translation>&amp;Drucken...	Ctrl+P</translation>
    </message>
    <message>
        <source>Print Pre&amp;view</source>
        <translation>Druck&amp;vorschau</translation>
    </message>
    <message>
        <source>P&amp;rint Setup...</source>
        <translation>Drucker&amp;einrichtung...</translation>
    </message>
    <message>
        <source>Recent File</source>
        <translation>Zuletzt geöffnete Datei</translation>
    </message>
    <message>
        <source>&amp;%d %s</source>
        <translation>&amp;%d %s</translation>
    </message>
    <message>
        <source>&amp;Undo	Ctrl+Z</source>
        <translation>&amp;Rückgängig	Ctrl+Z</translation>
    </message>
    <message>
        <source>&amp;Undo %s	Ctrl+Z</source>
        <translation>&amp;Rückgängig: %s	Ctrl+Z</translation>
    </message>
    <message>
        <source>&amp;Redo	Ctrl+Y</source>
        <translation>&amp;Wiederherstellen	Ctrl+Y</translation>
    </message>
    <message>
        <source>&amp;Redo %s	Ctrl+Y</source>
        <translation>&amp;Wiederherstellen: %s	Ctrl+Y</translation>
    </message>
    <message>
        <source>&amp;Insert Program</source>
        <translation>&amp;Leeres Programm einfügen</translation>
    </message>
    <message>
        <source>Reorder Programs</source>
        <translation>Programme neu anordnen</translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation>&amp;Statusleiste</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>S&amp;prache</translation>
    </message>
    <message>
        <source>&amp;System Language</source>
        <translation>&amp;Systemsprache</translation>
    </message>
    <message>
        <source>Choose the language of the windows</source>
        <translation>Die Sprache der Fenster wählen</translation>
    </message>
    <message>
        <source>The new language takes effect when ZelkorConfig is started again.</source>
        <translation>Die neue Sprache gilt ab dem nächsten Start von ZelkorConfig.</translation>
    </message>
    <message>
        <source>&amp;Delete Program</source>
        <translation>Programm &amp;löschen</translation>
    </message>
    <message>
        <source>&amp;Test Connection</source>
        <translation>Verbindung &amp;testen</translation>
    </message>
    <message>
        <source>&amp;Upload Current Program</source>
        <translation>Aktuelles Programm &amp;senden</translation>
    </message>
    <message>
        <source>&amp;Select Comm Port</source>
        <translation>&amp;COM-Port auswählen</translation>
    </message>
    <message>
        <source>&amp;About VQ7100 Config...</source>
        <translation>&amp;Info über VQ7100 Config...</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>&amp;Ausschneiden</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Einfügen</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Bereit</translation>
    </message>
    <message>
        <source>Create a new document</source>
        <translation>Ein neues Dokument erstellen</translation>
    </message>
    <message>
        <source>Open an existing document</source>
        <translation>Ein vorhandenes Dokument öffnen</translation>
    </message>
    <message>
        <source>Save the active document</source>
        <translation>Das aktive Dokument speichern</translation>
    </message>
    <message>
        <source>Save the active document with a new name</source>
        <translation>Das aktive Dokument unter einem neuen Namen speichern</translation>
    </message>
    <message>
        <source>Make a new document of the programs in a CSV file</source>
        <translation>Ein neues Dokument aus den Programmen einer CSV-Datei erstellen</translation>
    </message>
    <message>
        <source>Write all 2000 programs to a CSV file</source>
        <translation>Alle 2000 Programme in eine CSV-Datei schreiben</translation>
    </message>
    <message>
        <source>Write the printed pages to a PDF file</source>
        <translation>Die gedruckten Seiten in eine PDF-Datei schreiben</translation>
    </message>
    <message>
        <source>Print the active document</source>
        <translation>Das aktive Dokument drucken</translation>
    </message>
    <message>
        <source>Display full pages</source>
        <translation>Ganze Seiten anzeigen</translation>
    </message>
    <message>
        <source>Change the printer and printing options</source>
        <translation>Drucker und Druckoptionen ändern</translation>
    </message>
    <message>
        <source>Open this document</source>
        <translation>Dieses Dokument öffnen</translation>
    </message>
    <message>
        <source>Quit the application; prompts to save documents</source>
        <translation>Die Anwendung beenden; fragt, ob Dokumente gespeichert werden sollen</translation>
    </message>
    <message>
        <source>Cut the selection and put it on the Clipboard</source>
        <translation>Die Auswahl ausschneiden und in die Zwischenablage legen</translation>
    </message>
    <message>
        <source>Copy the selection and put it on the Clipboard</source>
        <translation>Die Auswahl kopieren und in die Zwischenablage legen</translation>
    </message>
    <message>
        <source>Insert Clipboard contents</source>
        <translation>Den Inhalt der Zwischenablage einfügen</translation>
    </message>
    <message>
        <source>Take back the last change of the book</source>
        <translation>Die letzte Änderung des Buchs zurücknehmen</translation>
    </message>
    <message>
        <source>Make the change that was taken back again</source>
        <translation>Die zurückgenommene Änderung erneut ausführen</translation>
    </message>
    <message>
        <source>Put the program on display on the Clipboard and delete it</source>
        <translation>Das angezeigte Programm in die Zwischenablage legen und löschen</translation>
    </message>
    <message>
        <source>Put the program on display on the Clipboard</source>
        <translation>Das angezeigte Programm in die Zwischenablage legen</translation>
    </message>
    <message>
        <source>Put the Clipboard&apos;s programs in place of the program on display and those after it</source>
        <translation>Die Programme der Zwischenablage an die Stelle des angezeigten Programms und der folgenden setzen</translation>
    </message>
    <message>
        <source>Insert a record at a given  location</source>
        <translation>Ein leeres Programm an einer gewählten Stelle einfügen</translation>
    </message>
    <message>
        <source>Reorder the programs</source>
        <translation>Die Programme neu anordnen</translation>
    </message>
    <message>
        <source>Show or hide the status bar</source>
        <translation>Die Statusleiste ein- oder ausblenden</translation>
    </message>
    <message>
        <source>Delete the currently displayed program.</source>
        <translation>Das angezeigte Programm löschen.</translation>
    </message>
    <message>
        <source>Test the serial connection. </source>
        <translation>Die serielle Verbindung testen.</translation>
    </message>
    <message>
        <source>Upload the currently displayed program to the device.</source>
        <translation>Das angezeigte Programm an das Gerät senden.</translation>
    </message>
    <message>
        <source>Display program information, version number and copyright</source>
        <translation>Programminformationen, Versionsnummer und Copyright anzeigen</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Neu</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Ausschneiden</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Einfügen</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>CAP</source>
        <translation>UF</translation>
    </message>
    <message>
        <source>NUM</source>
        <translation>NUM</translation>
    </message>
    <message>
        <source>SCRL</source>
        <translation>RF</translation>
    </message>
    <message>
        <source>About VQ7100</source>
        <translation>Über VQ7100</translation>
    </message>
    <message>
        <source>VQ7100 Configuration Program Version 1.3</source>
        <translation>VQ7100-Konfigurationsprogramm Version 1.3</translation>
    </message>
    <message>
        <source>Programs and uploads the VQ7100 signal generator.</source>
        <translation>Programmiert den Signalgenerator VQ7100 und überträgt Programme an ihn.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>You must enter a positive frequency.</source>
        <translation>Sie müssen eine positive Frequenz eingeben.</translation>
    </message>
    <message>
        <source>Enter a frequency less than or equal to 20MHz.</source>
        <translation>Geben Sie eine Frequenz von höchstens 20 MHz ein.</translation>
    </message>
    <message>
        <source>You can only have up to two frequencies greater than 40KHz per group.</source>
        <translation>Eine Gruppe darf höchstens zwei Frequenzen über 40 kHz enthalten.</translation>
    </message>
    <message>
        <source>If you have one frequency greater than 40KHz, the group can only have 2 frequencies.</source>
        <translation>Enthält eine Gruppe eine Frequenz über 40 kHz, darf sie nur 2 Frequenzen enthalten.</translation>
    </message>
    <message>
        <source>&quot;%s&quot; is not a frequency: it must be one number in hertz, such as 1000 or 12.5.</source>
        <translation>„%s“ ist keine Frequenz: Geben Sie eine einzige Zahl in Hertz ein, zum Beispiel 1000 oder 12.5.</translation>
    </message>
    <message>
        <source>&quot;%s&quot; is not a frequency: the decimal sign is a point, and thousands are not set apart (1500 or 12.5).</source>
        <translation>„%s“ ist keine Frequenz: Das Dezimalzeichen ist ein Punkt, und Tausender werden nicht abgetrennt (1500 oder 12.5).</translation>
    </message>
    <message>
        <source>Enter a frequency of at least 0.1 Hz, the least the device takes, or 0 for an empty slot.</source>
        <translation>Geben Sie eine Frequenz von mindestens 0.1 Hz ein (das Kleinste, was das Gerät annimmt) oder 0 für einen leeren Platz.</translation>
    </message>
    <message>
        <source>Group %d: %s</source>
        <translation>Gruppe %d: %s</translation>
    </message>
    <message>
        <source>Freq. %d (%s Hz)</source>
        <translation>Freq. %d (%s Hz)</translation>
    </message>
    <message>
        <source>Program %d, slot %d: %s</source>
        <translation>Programm %d, Platz %d: %s</translation>
    </message>
    <message>
        <source>Nothing was sent: the device cannot take a value of the book.
%s
Correct the program and send it again.</source>
        <translation>Es wurde nichts gesendet: Das Gerät kann einen Wert des Buchs nicht annehmen.
%s
Korrigieren Sie das Programm und senden Sie es erneut.</translation>
    </message>
    <message>
        <source>This book holds values the device cannot take, and they will not be sent until they are corrected.
%s</source>
        <translation>Dieses Buch enthält Werte, die das Gerät nicht annehmen kann; sie werden erst gesendet, wenn sie korrigiert sind.
%s</translation>
    </message>
    <message>
        <source>%s
(and %d more)</source>
        <translation>%s
(und %d weitere)</translation>
    </message>
    <message>
        <source>Do you want to save the current program?</source>
        <translation>Möchten Sie das aktuelle Programm speichern?</translation>
    </message>
    <message>
        <source>Program Save</source>
        <translation>Programm speichern</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Insert Program</source>
        <translation>Leeres Programm einfügen</translation>
    </message>
    <message>
        <source>This will insert an empty program at</source>
        <translation>Hiermit wird ein leeres Programm</translation>
    </message>
    <message>
        <source>a given program number.</source>
        <translation>an einer gewählten Programmnummer eingefügt.</translation>
    </message>
    <message>
        <source>Program Number</source>
        <translation>Programmnummer</translation>
    </message>
    <message>
        <source>Enter the program number as a whole number without a sign.</source>
        <translation>Geben Sie die Programmnummer als ganze Zahl ohne Vorzeichen ein.</translation>
    </message>
    <message>
        <source>Enter a program number from 1 to 2000.</source>
        <translation>Geben Sie eine Programmnummer von 1 bis 2000 ein.</translation>
    </message>
    <message>
        <source>&amp;Up</source>
        <translation>Nach &amp;oben</translation>
    </message>
    <message>
        <source>&amp;Down</source>
        <translation>Nach &amp;unten</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Typ</translation>
    </message>
    <message>
        <source>You must select an item.</source>
        <translation>Sie müssen einen Eintrag auswählen.</translation>
    </message>
    <message>
        <source>&amp;Move to...</source>
        <translation>&amp;Verschieben nach...</translation>
    </message>
    <message>
        <source>Move to</source>
        <translation>Verschieben nach</translation>
    </message>
    <message>
        <source>Move program %d to number:</source>
        <translation>Programm %d verschieben auf Nummer:</translation>
    </message>
    <message>
        <source>Programs</source>
        <translation>Programme</translation>
    </message>
    <message>
        <source>Single</source>
        <translation>Einzeln</translation>
    </message>
    <message>
        <source>Groups</source>
        <translation>Gruppen</translation>
    </message>
    <message>
        <source>Edit Program %d</source>
        <translation>Programm %d bearbeiten</translation>
    </message>
    <message>
        <source>Change Type of Program %d</source>
        <translation>Typ von Programm %d ändern</translation>
    </message>
    <message>
        <source>Insert Program %d</source>
        <translation>Leeres Programm %d einfügen</translation>
    </message>
    <message>
        <source>Delete Program %d</source>
        <translation>Programm %d löschen</translation>
    </message>
    <message>
        <source>Paste Program %d</source>
        <translation>Programm %d einfügen</translation>
    </message>
    <message>
        <source>Paste Programs %d to %d</source>
        <translation>Programme %d bis %d einfügen</translation>
    </message>
    <message>
        <source>The Clipboard holds no programs.</source>
        <translation>Die Zwischenablage enthält keine Programme.</translation>
    </message>
    <message>
        <source>The Clipboard holds %d programs, but from program %d only %d fit before the end of the book. Nothing was pasted.</source>
        <translation>Die Zwischenablage enthält %d Programme, ab Programm %d passen aber nur %d bis zum Ende des Buchs. Es wurde nichts eingefügt.</translation>
    </message>
    <message>
        <source>not a program of this editor</source>
        <translation>kein Programm dieses Editors</translation>
    </message>
    <message>
        <source>Program</source>
        <translation>Programm</translation>
    </message>
    <message>
        <source>Page %d of %d</source>
        <translation>Seite %d von %d</translation>
    </message>
    <message>
        <source>No program of this book holds a frequency.</source>
        <translation>Kein Programm dieses Buchs enthält eine Frequenz.</translation>
    </message>
    <message>
        <source>Row %d, column %d (%s): %s</source>
        <translation>Zeile %d, Spalte %d (%s): %s</translation>
    </message>
    <message>
        <source>Row %d: %s</source>
        <translation>Zeile %d: %s</translation>
    </message>
    <message>
        <source>the first row must be number,type,f1,...,f48</source>
        <translation>die erste Zeile muss number,type,f1,...,f48 lauten</translation>
    </message>
    <message>
        <source>expected at most 50 columns, found %d</source>
        <translation>höchstens 50 Spalten erwartet, %d gefunden</translation>
    </message>
    <message>
        <source>a quoted cell is not closed</source>
        <translation>eine Zelle in Anführungszeichen ist nicht geschlossen</translation>
    </message>
    <message>
        <source>the program number must be 1 to 2000</source>
        <translation>die Programmnummer muss zwischen 1 und 2000 liegen</translation>
    </message>
    <message>
        <source>program %d already came in row %d</source>
        <translation>Programm %d kam schon in Zeile %d vor</translation>
    </message>
    <message>
        <source>the type must be single or groups</source>
        <translation>der Typ muss single oder groups sein</translation>
    </message>
    <message>
        <source>Too large to be a CSV book</source>
        <translation>Zu groß für ein Buch im CSV-Format</translation>
    </message>
    <message>
        <source>more rows than the book has programs</source>
        <translation>mehr Zeilen, als das Buch Programme hat</translation>
    </message>
    <message>
        <source>Program Type</source>
        <translation>Programmtyp</translation>
    </message>
    <message>
        <source>Single Frequencies</source>
        <translation>Einzelfrequenzen</translation>
    </message>
    <message>
        <source>Frequency Groups</source>
        <translation>Frequenzgruppen</translation>
    </message>
    <message>
        <source>&amp;Jump</source>
        <translation>&amp;Springen</translation>
    </message>
    <message>
        <source>&amp;Load Device</source>
        <translation>&amp;Gerät laden</translation>
    </message>
    <message>
        <source>Group %d</source>
        <translation>Gruppe %d</translation>
    </message>
    <message>
        <source>Freq. %d</source>
        <translation>Freq. %d</translation>
    </message>
    <message>
        <source>Group %d, Freq. %d</source>
        <translation>Gruppe %d, Freq. %d</translation>
    </message>
    <message>
        <source>Program number</source>
        <translation>Programmnummer</translation>
    </message>
    <message>
        <source>Previous program</source>
        <translation>Vorheriges Programm</translation>
    </message>
    <message>
        <source>Next program</source>
        <translation>Nächstes Programm</translation>
    </message>
    <message>
        <source>Program number to jump to</source>
        <translation>Programmnummer, zu der gesprungen wird</translation>
    </message>
    <message>
        <source>The program number can be from 1 to 2000.</source>
        <translation>Die Programmnummer kann von 1 bis 2000 reichen.</translation>
    </message>
    <message>
        <source>Couldn&apos;t insert the program, because program list is full.</source>
        <translation>Das Programm konnte nicht eingefügt werden, weil die Programmliste voll ist.</translation>
    </message>
    <message>
        <source>Communications Port Error</source>
        <translation>Fehler der seriellen Schnittstelle</translation>
    </message>
    <message>
        <source>Can&apos;t find the specified port.</source>
        <translation>Der angegebene Port wurde nicht gefunden.</translation>
    </message>
    <message>
        <source>Access Denied. Port is probably alreay in use.</source>
        <translation>Zugriff verweigert. Der Port wird wahrscheinlich schon verwendet.</translation>
    </message>
    <message>
        <source>Your user account may also lack access to serial devices (on most Linux systems this needs membership of the dialout group).</source>
        <translation>Außerdem fehlt Ihrem Benutzerkonto vielleicht der Zugriff auf serielle Geräte (auf den meisten Linux-Systemen ist dafür die Mitgliedschaft in der Gruppe dialout nötig).</translation>
    </message>
    <message>
        <source>Comm Port Error: %u</source>
        <translation>Fehler der seriellen Schnittstelle: %u</translation>
    </message>
    <message>
        <source>Couldn&apos;t get the comm port state.</source>
        <translation>Der Zustand des COM-Ports konnte nicht gelesen werden.</translation>
    </message>
    <message>
        <source>Couldn&apos;t set the comm port state.</source>
        <translation>Der Zustand des COM-Ports konnte nicht gesetzt werden.</translation>
    </message>
    <message>
        <source>Couldn&apos;t purge comm port.</source>
        <translation>Der COM-Port konnte nicht geleert werden.</translation>
    </message>
    <message>
        <source>Couldn&apos;t set the comm timeouts.</source>
        <translation>Die Zeitlimits des COM-Ports konnten nicht gesetzt werden.</translation>
    </message>
    <message>
        <source>Couldn&apos;t create the watch thread.</source>
        <translation>Der Überwachungs-Thread konnte nicht erstellt werden.</translation>
    </message>
    <message>
        <source>Couldn&apos;t write to comm port. Error: %u</source>
        <translation>Auf den COM-Port konnte nicht geschrieben werden. Fehler: %u</translation>
    </message>
    <message>
        <source>The connection to %s was lost. Check the cable and choose the port again.</source>
        <translation>Die Verbindung zu %s wurde unterbrochen. Prüfen Sie das Kabel und wählen Sie den Port erneut.</translation>
    </message>
    <message>
        <source>Acknowledge</source>
        <translation>Bestätigung</translation>
    </message>
    <message>
        <source>Received response from device.</source>
        <translation>Antwort vom Gerät erhalten.</translation>
    </message>
    <message>
        <source>No port</source>
        <translation>Kein Port</translation>
    </message>
    <message>
        <source>Port %s: %s</source>
        <translation>Port %s: %s</translation>
    </message>
    <message>
        <source>open</source>
        <translation>offen</translation>
    </message>
    <message>
        <source>closed</source>
        <translation>geschlossen</translation>
    </message>
    <message>
        <source>lost</source>
        <translation>unterbrochen</translation>
    </message>
    <message>
        <source>Couldn&apos;t create the Upload thread.</source>
        <translation>Der Thread für das Senden konnte nicht erstellt werden.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>File had a write error</source>
        <translation>Beim Schreiben der Datei ist ein Fehler aufgetreten</translation>
    </message>
    <message>
        <source>File had a read error</source>
        <translation>Beim Lesen der Datei ist ein Fehler aufgetreten</translation>
    </message>
    <message>
        <source>File has a bad format</source>
        <translation>Die Datei hat ein ungültiges Format</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>Nicht genügend Arbeitsspeicher</translation>
    </message>
    <message>
        <source>File may be damaged: its old contents could not be put back</source>
        <translation>Die Datei ist möglicherweise beschädigt: Ihr alter Inhalt konnte nicht wiederhergestellt werden</translation>
    </message>
    <message>
        <source>Unknown write error.</source>
        <translation>Unbekannter Schreibfehler.</translation>
    </message>
    <message>
        <source>Unknown read error.</source>
        <translation>Unbekannter Lesefehler.</translation>
    </message>
    <message>
        <source>Not a VQ7100 program book, or one that was cut short</source>
        <translation>Kein Programmbuch des VQ7100 oder eines, das abgeschnitten ist</translation>
    </message>
    <message>
        <source>Unknown error %d</source>
        <translation>Unbekannter Fehler %d</translation>
    </message>
    <message>
        <source>Not a regular file (a pipe, a device or a socket)</source>
        <translation>Keine reguläre Datei (eine Pipe, ein Gerät oder ein Socket)</translation>
    </message>
    <message>
        <source>Bluetooth RFCOMM</source>
        <translation>Bluetooth RFCOMM</translation>
    </message>
    <message>
        <source>Bluetooth %s channel %s</source>
        <translation>Bluetooth %s Kanal %s</translation>
    </message>
    <message>
        <source>Serial port</source>
        <translation>Serielle Schnittstelle</translation>
    </message>
    <message>
        <source>Select Comm Port</source>
        <translation>COM-Port auswählen</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>&amp;Refresh</source>
        <translation>&amp;Aktualisieren</translation>
    </message>
    <message>
        <source>Stable name</source>
        <translation>Stabiler Name</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Beschreibung</translation>
    </message>
    <message>
        <source>Stable name:</source>
        <translation>Stabiler Name:</translation>
    </message>
    <message>
        <source>none</source>
        <translation>keiner</translation>
    </message>
    <message>
        <source>Description:</source>
        <translation>Beschreibung:</translation>
    </message>
    <message>
        <source>USB adapter:</source>
        <translation>USB-Adapter:</translation>
    </message>
    <message>
        <source>not on USB</source>
        <translation>nicht an USB</translation>
    </message>
    <message>
        <source>Uploading Progress</source>
        <translation>Fortschritt der Übertragung</translation>
    </message>
    <message>
        <source>About %d s left</source>
        <translation>Noch etwa %d s</translation>
    </message>
    <message>
        <source>About %d min %d s left</source>
        <translation>Noch etwa %d min %d s</translation>
    </message>
    <message>
        <source>The device did not confirm that it received the whole upload. Please send it again.</source>
        <translation>Das Gerät hat nicht bestätigt, dass es die ganze Übertragung erhalten hat. Bitte senden Sie sie erneut.</translation>
    </message>
    <message>
        <source>The device answered for another block than the one sent, so the upload was stopped there. The device may not have all of it: please send it again.</source>
        <translation>Das Gerät hat für einen anderen Block geantwortet als den gesendeten, daher wurde die Übertragung dort angehalten. Dem Gerät fehlt womöglich ein Teil: Bitte senden Sie sie erneut.</translation>
    </message>
    <message>
        <source>The device has not answered. Check the cable and that the generator is switched on, or press Cancel.</source>
        <translation>Das Gerät hat nicht geantwortet. Prüfen Sie das Kabel und ob der Generator eingeschaltet ist, oder klicken Sie auf „Abbrechen“.</translation>
    </message>
    <message>
        <source>Upload progress</source>
        <translation>Fortschritt der Übertragung</translation>
    </message>
    <message>
        <source>Upload finished: the device confirmed the book.</source>
        <translation>Übertragung beendet: Das Gerät hat das Buch bestätigt.</translation>
    </message>
    <message>
        <source>Upload finished: the device confirmed program %d.</source>
        <translation>Übertragung beendet: Das Gerät hat Programm %d bestätigt.</translation>
    </message>
    <message>
        <source>Upload cancelled: the device may hold only part of it.</source>
        <translation>Übertragung abgebrochen: Das Gerät hat womöglich nur einen Teil erhalten.</translation>
    </message>
    <message>
        <source>Upload stopped: the connection to the device was lost.</source>
        <translation>Übertragung angehalten: Die Verbindung zum Gerät wurde unterbrochen.</translation>
    </message>
    <message>
        <source>Upload not confirmed by the device: send it again.</source>
        <translation>Übertragung vom Gerät nicht bestätigt: Bitte erneut senden.</translation>
    </message>
    <message>
        <source>Upload stopped: the device answered for another block.</source>
        <translation>Übertragung angehalten: Das Gerät hat für einen anderen Block geantwortet.</translation>
    </message>
    <message>
        <source>No port is selected. Choose the generator&apos;s port with Tools &gt; Select Comm Port, then try again.</source>
        <translation>Es ist kein Port ausgewählt. Wählen Sie den Port des Generators mit „Extras &gt; COM-Port auswählen“ und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>The pages chosen are not in the book, so nothing was printed.</source>
        <translation>Die gewählten Seiten gibt es im Buch nicht, daher wurde nichts gedruckt.</translation>
    </message>
    <message>
        <source>Exported %d page to %s</source>
        <translation>%d Seite nach %s exportiert</translation>
    </message>
    <message>
        <source>Exported %d pages to %s</source>
        <translation>%d Seiten nach %s exportiert</translation>
    </message>
    <message>
        <source>An upload is running; closing stops it, and the device may then hold only part of it.</source>
        <translation>Eine Übertragung läuft; das Schließen bricht sie ab, und das Gerät enthält dann womöglich nur einen Teil davon.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>&amp;Extras</translation>
    </message>
    <message>
        <source>Save &amp;As...	Ctrl+Shift+S</source>
        <translation>Speichern &amp;unter...	Ctrl+Shift+S</translation>
    </message>
    <message>
        <source>E&amp;xit	Ctrl+Q</source>
        <translation>&amp;Beenden	Ctrl+Q</translation>
    </message>
    <message>
        <source>Cu&amp;t Program	Ctrl+X</source>
        <translation>Programm &amp;ausschneiden	Ctrl+X</translation>
    </message>
    <message>
        <source>&amp;Copy Program	Ctrl+C</source>
        <translation>Programm &amp;kopieren	Ctrl+C</translation>
    </message>
    <message>
        <source>&amp;Paste Program	Ctrl+V</source>
        <translation>Programm ein&amp;fügen	Ctrl+V</translation>
    </message>
    <message>
        <source>Re&amp;order Programs</source>
        <translation>Programme &amp;neu anordnen</translation>
    </message>
    <message>
        <source>Book</source>
        <translation>Buch</translation>
    </message>
    <message>
        <source>&amp;Book</source>
        <translation>&amp;Buch</translation>
    </message>
    <message>
        <source>Show or hide the table of all the programs</source>
        <translation>Die Tabelle aller Programme ein- oder ausblenden</translation>
    </message>
    <message>
        <source>Freqs.</source>
        <translation>Freq.</translation>
    </message>
    <message>
        <source>Frequencies (Hz)</source>
        <translation>Frequenzen (Hz)</translation>
    </message>
    <message>
        <source>F&amp;ind:</source>
        <translation>&amp;Suchen:</translation>
    </message>
    <message>
        <source>Hz (1000.0) or program</source>
        <translation>Hz (1000.0) oder Programm</translation>
    </message>
    <message>
        <source>%d programs hold %s Hz</source>
        <translation>%d Programme enthalten %s Hz</translation>
    </message>
    <message>
        <source>No program holds %s Hz</source>
        <translation>Kein Programm enthält %s Hz</translation>
    </message>
    <message>
        <source>&amp;Used only</source>
        <translation>Nur &amp;belegte</translation>
    </message>
    <message>
        <source>Programs of the book</source>
        <translation>Programme des Buchs</translation>
    </message>
    <message>
        <source>Find a frequency or a program</source>
        <translation>Eine Frequenz oder ein Programm suchen</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>Set T&amp;ype</source>
        <translation>&amp;Typ festlegen</translation>
    </message>
    <message>
        <source>Move the %d selected programs to number:</source>
        <translation>Die %d ausgewählten Programme verschieben auf Nummer:</translation>
    </message>
    <message>
        <source>Export only the %d selected programs? No exports the whole book.</source>
        <translation>Nur die %d ausgewählten Programme exportieren? Mit „Nein“ wird das ganze Buch exportiert.</translation>
    </message>
    <message>
        <source>Switch program %d to Frequency Groups? The values below break the group rules (at most two frequencies above 40 kHz in a group, and only two frequencies in all in a group that holds one), and the switch empties them. Cancel keeps the program as it was.</source>
        <translation>Programm %d auf Frequenzgruppen umstellen? Die unten genannten Werte verletzen die Gruppenregeln (höchstens zwei Frequenzen über 40 kHz in einer Gruppe, und in einer Gruppe mit einer solchen Frequenz nur zwei Frequenzen insgesamt); beim Umstellen werden sie geleert. Mit „Abbrechen“ bleibt das Programm, wie es war.</translation>
    </message>
    <message>
        <source>Switch</source>
        <translation>Umstellen</translation>
    </message>
    <message>
        <source>Cut Program %d</source>
        <translation>Programm %d ausschneiden</translation>
    </message>
    <message>
        <source>Delete Programs %d to %d</source>
        <translation>Programme %d bis %d löschen</translation>
    </message>
    <message>
        <source>Delete %d Programs</source>
        <translation>%d Programme löschen</translation>
    </message>
    <message>
        <source>Cut Programs %d to %d</source>
        <translation>Programme %d bis %d ausschneiden</translation>
    </message>
    <message>
        <source>Cut %d Programs</source>
        <translation>%d Programme ausschneiden</translation>
    </message>
    <message>
        <source>Set Type of Program %d</source>
        <translation>Typ von Programm %d festlegen</translation>
    </message>
    <message>
        <source>Set Type of Programs %d to %d</source>
        <translation>Typ der Programme %d bis %d festlegen</translation>
    </message>
    <message>
        <source>Set Type of %d Programs</source>
        <translation>Typ von %d Programmen festlegen</translation>
    </message>
    <message>
        <source>Move Program %d to %d</source>
        <translation>Programm %d nach %d verschieben</translation>
    </message>
    <message>
        <source>Move %d Programs to %d</source>
        <translation>%d Programme nach %d verschieben</translation>
    </message>
    <message>
        <source>Switch %d programs to Frequency Groups? The values below break the group rules (at most two frequencies above 40 kHz in a group, and only two frequencies in all in a group that holds one), and the switch empties them. Cancel keeps the programs as they were.</source>
        <translation>%d Programme auf Frequenzgruppen umstellen? Die unten genannten Werte verletzen die Gruppenregeln (höchstens zwei Frequenzen über 40 kHz in einer Gruppe, und in einer Gruppe mit einer solchen Frequenz nur zwei Frequenzen insgesamt); beim Umstellen werden sie geleert. Mit „Abbrechen“ bleiben die Programme, wie sie waren.</translation>
    </message>
    <message>
        <source>Program %d:</source>
        <translation>Programm %d:</translation>
    </message>
    <message>
        <source>not there</source>
        <translation>nicht vorhanden</translation>
    </message>
    <message>
        <source>in use</source>
        <translation>belegt</translation>
    </message>
    <message>
        <source>Port %s is not there; Test Connection or Load Device tries it again</source>
        <translation>Port %s ist nicht vorhanden; „Verbindung testen“ oder „Gerät laden“ versucht es erneut</translation>
    </message>
    <message>
        <source>Port %s is in use by another program</source>
        <translation>Port %s wird von einem anderen Programm verwendet</translation>
    </message>
    <message>
        <source>It is not a device.</source>
        <translation>Es ist kein Gerät.</translation>
    </message>
    <message>
        <source>It is a device, but not a serial line.</source>
        <translation>Es ist ein Gerät, aber keine serielle Leitung.</translation>
    </message>
    <message>
        <source>A port is named COM and its number (COM12), or \\.\ and its device name.</source>
        <translation>Ein Port heißt COM mit seiner Nummer (COM12) oder \\.\ mit seinem Gerätenamen.</translation>
    </message>
    <message>
        <source>&quot;%s&quot; is not a serial port.</source>
        <translation>„%s“ ist kein serieller Port.</translation>
    </message>
</context>
</TS>
