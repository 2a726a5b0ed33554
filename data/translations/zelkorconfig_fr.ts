<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR" sourcelanguage="en">
<context>
    <name>res</name>
    <message>
        <source>VQ7100 Files (*.vq)</source>
        <translation>Fichiers VQ7100 (*.vq)</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Sans titre</translation>
    </message>
    <message>
        <source>Save changes to %s?</source>
        <translation>Enregistrer les modifications de %s&#xa0;?</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Enregistrer sous</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Import CSV</source>
        <translation>Importer un CSV</translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation>Exporter en CSV</translation>
    </message>
    <message>
        <source>CSV Files (*.csv)</source>
        <translation>Fichiers CSV (*.csv)</translation>
    </message>
    <message>
        <source>Export PDF</source>
        <translation>Exporter en PDF</translation>
    </message>
    <message>
        <source>PDF Files (*.pdf)</source>
        <translation>Fichiers PDF (*.pdf)</translation>
    </message>
    <message>
        <source>The pages could not be printed.</source>
        <translation>Les pages n’ont pas pu être imprimées.</translation>
    </message>
    <message>
        <source>The pages could not be drawn for the preview.</source>
        <translation>Les pages n’ont pas pu être dessinées pour l’aperçu.</translation>
    </message>
    <message>
        <source>The pages could not be made into a PDF.</source>
        <translation>Les pages n’ont pas pu être converties en PDF.</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Édition</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Affichage</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ai&amp;de</translation>
    </message>
    <message>
        <source>&amp;New	Ctrl+N</source>
        <translation>&amp;Nouveau	Ctrl+N</translation>
    </message>
    <message>
        <source>&amp;Open...	Ctrl+O</source>
        <translation>&amp;Ouvrir...	Ctrl+O</translation>
    </message>
    <message>
        <source>&amp;Save	Ctrl+S</source>
        <translation>&amp;Enregistrer	Ctrl+S</translation>
    </message>
    <message>
        <source>&amp;Import CSV...</source>
        <translation>&amp;Importer un CSV...</translation>
    </message>
    <message>
        <source>&amp;Export CSV...</source>
        <translation>E&amp;xporter en CSV...</translation>
    </message>
    <message>
        <source>Export P&amp;DF...</source>
        <translation>Exporter en P&amp;DF...</translation>
    </message>
    <message>
        <source>&amp;Print...	Ctrl+P</source>
        <translation>Im&amp;primer...	Ctrl+P</translation>
    </message>
    <message>
        <source>Print Pre&amp;view</source>
        <translation>&amp;Aperçu avant impression</translation>
    </message>
    <message>
        <source>P&amp;rint Setup...</source>
        <translation>&amp;Configuration de l’impression...</translation>
    </message>
    <message>
        <source>Recent File</source>
        <translation>Fichier récent</translation>
    </message>
    <message>
        <source>&amp;%d %s</source>
        <translation>&amp;%d %s</translation>
    </message>
    <message>
        <source>&amp;Undo	Ctrl+Z</source>
        <translation>&amp;Annuler	Ctrl+Z</translation>
    </message>
    <message>
        <source>&amp;Undo %s	Ctrl+Z</source>
        <translation>&amp;Annuler&#xa0;: %s	Ctrl+Z</translation>
    </message>
    <message>
        <source>&amp;Redo	Ctrl+Y</source>
        <translation>&amp;Rétablir	Ctrl+Y</translation>
    </message>
    <message>
        <source>&amp;Redo %s	Ctrl+Y</source>
        <translation>&amp;Rétablir&#xa0;: %s	Ctrl+Y</translation>
    </message>
    <message>
        <source>&amp;Insert Program</source>
        <translation>&amp;Insérer un programme</translation>
    </message>
    <message>
        <source>Reorder Programs</source>
        <translation>Réorganiser les programmes</translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation>Barre d’é&amp;tat</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Langue</translation>
    </message>
    <message>
        <source>&amp;System Language</source>
        <translation>&amp;Langue du système</translation>
    </message>
    <message>
        <source>Choose the language of the windows</source>
        <translation>Choisir la langue des fenêtres</translation>
    </message>
    <message>
        <source>The new language takes effect when ZelkorConfig is started again.</source>
        <translation>La nouvelle langue sera utilisée au prochain démarrage de ZelkorConfig.</translation>
    </message>
    <message>
        <source>&amp;Delete Program</source>
        <translation>&amp;Supprimer le programme</translation>
    </message>
    <message>
        <source>&amp;Test Connection</source>
        <translation>&amp;Tester la connexion</translation>
    </message>
    <message>
        <source>&amp;Upload Current Program</source>
        <translation>&amp;Envoyer le programme affiché</translation>
    </message>
    <message>
        <source>&amp;Select Comm Port</source>
        <translation>Choisir le &amp;port série</translation>
    </message>
    <message>
        <source>&amp;About VQ7100 Config...</source>
        <translation>À &amp;propos de VQ7100 Config...</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>Co&amp;uper</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copier</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>C&amp;oller</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Prêt</translation>
    </message>
    <message>
        <source>Create a new document</source>
        <translation>Créer un nouveau document</translation>
    </message>
    <message>
        <source>Open an existing document</source>
        <translation>Ouvrir un document existant</translation>
    </message>
    <message>
        <source>Save the active document</source>
        <translation>Enregistrer le document actif</translation>
    </message>
    <message>
        <source>Save the active document with a new name</source>
        <translation>Enregistrer le document actif sous un nouveau nom</translation>
    </message>
    <message>
        <source>Make a new document of the programs in a CSV file</source>
        <translation>Créer un nouveau document à partir des programmes d’un fichier CSV</translation>
    </message>
    <message>
        <source>Write all 2000 programs to a CSV file</source>
        <translation>Écrire les 2000 programmes dans un fichier CSV</translation>
    </message>
    <message>
        <source>Write the printed pages to a PDF file</source>
        <translation>Écrire les pages imprimées dans un fichier PDF</translation>
    </message>
    <message>
        <source>Print the active document</source>
        <translation>Imprimer le document actif</translation>
    </message>
    <message>
        <source>Display full pages</source>
        <translation>Afficher des pages entières</translation>
    </message>
    <message>
        <source>Change the printer and printing options</source>
        <translation>Modifier l’imprimante et les options d’impression</translation>
    </message>
    <message>
        <source>Open this document</source>
        <translation>Ouvrir ce document</translation>
    </message>
    <message>
        <source>Quit the application; prompts to save documents</source>
        <translation>Quitter l’application&#xa0;; propose d’enregistrer les documents</translation>
    </message>
    <message>
        <source>Cut the selection and put it on the Clipboard</source>
        <translation>Couper la sélection et la placer dans le Presse-papiers</translation>
    </message>
    <message>
        <source>Copy the selection and put it on the Clipboard</source>
        <translation>Copier la sélection et la placer dans le Presse-papiers</translation>
    </message>
    <message>
        <source>Insert Clipboard contents</source>
        <translation>Insérer le contenu du Presse-papiers</translation>
    </message>
    <message>
        <source>Take back the last change of the book</source>
        <translation>Annuler la dernière modification du livre</translation>
    </message>
    <message>
        <source>Make the change that was taken back again</source>
        <translation>Refaire la modification annulée</translation>
    </message>
    <message>
        <source>Put the program on display on the Clipboard and delete it</source>
        <translation>Placer le programme affiché dans le Presse-papiers et le supprimer</translation>
    </message>
    <message>
        <source>Put the program on display on the Clipboard</source>
        <translation>Placer le programme affiché dans le Presse-papiers</translation>
    </message>
    <message>
        <source>Put the Clipboard&apos;s programs in place of the program on display and those after it</source>
        <translation>Remplacer le programme affiché et les suivants par les programmes du Presse-papiers</translation>
    </message>
    <message>
        <source>Insert a record at a given  location</source>
        <translation>Insérer un programme vide à un emplacement donné</translation>
    </message>
    <message>
        <source>Reorder the programs</source>
        <translation>Réorganiser les programmes</translation>
    </message>
    <message>
        <source>Show or hide the status bar</source>
        <translation>Afficher ou masquer la barre d’état</translation>
    </message>
    <message>
        <source>Delete the currently displayed program.</source>
        <translation>Supprimer le programme affiché.</translation>
    </message>
    <message>
        <source>Test the serial connection. </source>
        <translation>Tester la connexion série.</translation>
    </message>
    <message>
        <source>Upload the currently displayed program to the device.</source>
        <translation>Envoyer le programme affiché à l’appareil.</translation>
    </message>
    <message>
        <source>Display program information, version number and copyright</source>
        <translation>Afficher les informations sur le programme, le numéro de version et le copyright</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nouveau</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Couper</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copier</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Coller</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>CAP</source>
        <translation>MAJ</translation>
    </message>
    <message>
        <source>NUM</source>
        <translation>NUM</translation>
    </message>
    <message>
        <source>SCRL</source>
        <translation>DEF</translation>
    </message>
    <message>
        <source>About VQ7100</source>
        <translation>À propos de VQ7100</translation>
    </message>
    <message>
        <source>VQ7100 Configuration Program Version 1.3</source>
        <translation>Programme de configuration du VQ7100 version 1.3</translation>
    </message>
    <message>
        <source>Programs and uploads the VQ7100 signal generator.</source>
        <translation>Programme le générateur de signaux VQ7100 et lui envoie ses programmes.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>You must enter a positive frequency.</source>
        <translation>Vous devez saisir une fréquence positive.</translation>
    </message>
    <message>
        <source>Enter a frequency less than or equal to 20MHz.</source>
        <translation>Saisissez une fréquence inférieure ou égale à 20 MHz.</translation>
    </message>
    <message>
        <source>You can only have up to two frequencies greater than 40KHz per group.</source>
        <translation>Un groupe ne peut contenir que deux fréquences supérieures à 40 kHz au plus.</translation>
    </message>
    <message>
        <source>If you have one frequency greater than 40KHz, the group can only have 2 frequencies.</source>
        <translation>Si un groupe contient une fréquence supérieure à 40 kHz, il ne peut contenir que 2 fréquences.</translation>
    </message>
    <message>
        <source>&quot;%s&quot; is not a frequency: it must be one number in hertz, such as 1000 or 12.5.</source>
        <translation>«&#xa0;%s&#xa0;» n’est pas une fréquence&#xa0;: saisissez un seul nombre en hertz, par exemple 1000 ou 12.5.</translation>
    </message>
    <message>
        <source>&quot;%s&quot; is not a frequency: the decimal sign is a point, and thousands are not set apart (1500 or 12.5).</source>
        <translation>«&#xa0;%s&#xa0;» n’est pas une fréquence&#xa0;: le séparateur décimal est le point, et les milliers ne sont pas séparés (1500 ou 12.5).</translation>
    </message>
    <message>
        <source>Enter a frequency of at least 0.1 Hz, the least the device takes, or 0 for an empty slot.</source>
        <translation>Saisissez une fréquence d’au moins 0.1 Hz, la plus petite que l’appareil accepte, ou 0 pour un emplacement vide.</translation>
    </message>
    <message>
        <source>Group %d: %s</source>
        <translation>Groupe %d&#xa0;: %s</translation>
    </message>
    <message>
        <source>Freq. %d (%s Hz)</source>
        <translation>Fréq. %d (%s Hz)</translation>
    </message>
    <message>
        <source>Program %d, slot %d: %s</source>
        <translation>Programme %d, emplacement %d&#xa0;: %s</translation>
    </message>
    <message>
        <source>Nothing was sent: the device cannot take a value of the book.
%s
Correct the program and send it again.</source>
        <translation>Rien n’a été envoyé&#xa0;: l’appareil ne peut pas accepter une valeur du livre.
%s
Corrigez le programme et envoyez-le à nouveau.</translation>
    </message>
    <message>
        <source>This book holds values the device cannot take, and they will not be sent until they are corrected.
%s</source>
        <translation>Ce livre contient des valeurs que l’appareil ne peut pas accepter&#xa0;; elles ne seront pas envoyées tant qu’elles ne seront pas corrigées.
%s</translation>
    </message>
    <message>
        <source>%s
(and %d more)</source>
        <translation>%s
(et %d de plus)</translation>
    </message>
    <message>
        <source>Do you want to save the current program?</source>
        <translation>Voulez-vous enregistrer le programme actuel&#xa0;?</translation>
    </message>
    <message>
        <source>Program Save</source>
        <translation>Enregistrement du programme</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Insert Program</source>
        <translation>Insérer un programme</translation>
    </message>
    <message>
        <source>This will insert an empty program at</source>
        <translation>Un programme vide sera inséré</translation>
    </message>
    <message>
        <source>a given program number.</source>
        <translation>au numéro de programme indiqué.</translation>
    </message>
    <message>
        <source>Program Number</source>
        <translation>Numéro de programme</translation>
    </message>
    <message>
        <source>Enter the program number as a whole number without a sign.</source>
        <translation>Saisissez le numéro de programme sous forme de nombre entier sans signe.</translation>
    </message>
    <message>
        <source>Enter a program number from 1 to 2000.</source>
        <translation>Saisissez un numéro de programme compris entre 1 et 2000.</translation>
    </message>
    <message>
        <source>&amp;Up</source>
        <translation>&amp;Monter</translation>
    </message>
    <message>
        <source>&amp;Down</source>
        <translation>&amp;Descendre</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>You must select an item.</source>
        <translation>Vous devez sélectionner un élément.</translation>
    </message>
    <message>
        <source>&amp;Move to...</source>
        <translation>Dé&amp;placer vers...</translation>
    </message>
    <message>
        <source>Move to</source>
        <translation>Déplacer vers</translation>
    </message>
    <message>
        <source>Move program %d to number:</source>
        <translation>Déplacer le programme %d vers le numéro&#xa0;:</translation>
    </message>
    <message>
        <source>Programs</source>
        <translation>Programmes</translation>
    </message>
    <message>
        <source>Single</source>
        <translation>Simple</translation>
    </message>
    <message>
        <source>Groups</source>
        <translation>Groupes</translation>
    </message>
    <message>
        <source>Edit Program %d</source>
        <translation>Modifier le programme %d</translation>
    </message>
    <message>
        <source>Change Type of Program %d</source>
        <translation>Changer le type du programme %d</translation>
    </message>
    <message>
        <source>Insert Program %d</source>
        <translation>Insérer le programme %d</translation>
    </message>
    <message>
        <source>Delete Program %d</source>
        <translation>Supprimer le programme %d</translation>
    </message>
    <message>
        <source>Paste Program %d</source>
        <translation>Coller le programme %d</translation>
    </message>
    <message>
        <source>Paste Programs %d to %d</source>
        <translation>Coller les programmes %d à %d</translation>
    </message>
    <message>
        <source>The Clipboard holds no programs.</source>
        <translation>Le Presse-papiers ne contient aucun programme.</translation>
    </message>
    <message>
        <source>The Clipboard holds %d programs, but from program %d only %d fit before the end of the book. Nothing was pasted.</source>
        <translation>Le Presse-papiers contient %d programmes, mais à partir du programme %d seuls %d tiennent avant la fin du livre. Rien n’a été collé.</translation>
    </message>
    <message>
        <source>not a program of this editor</source>
        <translation>pas un programme de cet éditeur</translation>
    </message>
    <message>
        <source>Program</source>
        <translation>Programme</translation>
    </message>
    <message>
        <source>Page %d of %d</source>
        <translation>Page %d sur %d</translation>
    </message>
    <message>
        <source>No program of this book holds a frequency.</source>
        <translation>Aucun programme de ce livre ne contient de fréquence.</translation>
    </message>
    <message>
        <source>Row %d, column %d (%s): %s</source>
        <translation>Ligne %d, colonne %d (%s)&#xa0;: %s</translation>
    </message>
    <message>
        <source>Row %d: %s</source>
        <translation>Ligne %d&#xa0;: %s</translation>
    </message>
    <message>
        <source>the first row must be number,type,f1,...,f48</source>
        <translation>la première ligne doit être number,type,f1,...,f48</translation>
    </message>
    <message>
        <source>expected at most 50 columns, found %d</source>
        <translation>50 colonnes au plus attendues, %d trouvées</translation>
    </message>
    <message>
        <source>a quoted cell is not closed</source>
        <translation>une cellule entre guillemets n’est pas fermée</translation>
    </message>
    <message>
        <source>the program number must be 1 to 2000</source>
        <translation>le numéro de programme doit être compris entre 1 et 2000</translation>
    </message>
    <message>
        <source>program %d already came in row %d</source>
        <translation>le programme %d figurait déjà à la ligne %d</translation>
    </message>
    <message>
        <source>the type must be single or groups</source>
        <translation>le type doit être single ou groups</translation>
    </message>
    <message>
        <source>Too large to be a CSV book</source>
        <translation>Trop grand pour être un livre CSV</translation>
    </message>
    <message>
        <source>more rows than the book has programs</source>
        <translation>plus de lignes que le livre n’a de programmes</translation>
    </message>
    <message>
        <source>Program Type</source>
        <translation>Type de programme</translation>
    </message>
    <message>
        <source>Single Frequencies</source>
        <translation>Fréquences simples</translation>
    </message>
    <message>
        <source>Frequency Groups</source>
        <translation>Groupes de fréquences</translation>
    </message>
    <message>
        <source>&amp;Jump</source>
        <translation>&amp;Aller</translation>
    </message>
    <message>
        <source>&amp;Load Device</source>
        <translation>&amp;Charger l’appareil</translation>
    </message>
    <message>
        <source>Group %d</source>
        <translation>Groupe %d</translation>
    </message>
    <message>
        <source>Freq. %d</source>
        <translation>Fréq. %d</translation>
    </message>
    <message>
        <source>Group %d, Freq. %d</source>
        <translation>Groupe %d, fréq. %d</translation>
    </message>
    <message>
        <source>Program number</source>
        <translation>Numéro de programme</translation>
    </message>
    <message>
        <source>Previous program</source>
        <translation>Programme précédent</translation>
    </message>
    <message>
        <source>Next program</source>
        <translation>Programme suivant</translation>
    </message>
    <message>
        <source>Program number to jump to</source>
        <translation>Numéro du programme où aller</translation>
    </message>
    <message>
        <source>The program number can be from 1 to 2000.</source>
        <translation>Le numéro de programme doit être compris entre 1 et 2000.</translation>
    </message>
    <message>
        <source>Couldn&apos;t insert the program, because program list is full.</source>
        <translation>Impossible d’insérer le programme, car la liste des programmes est pleine.</translation>
    </message>
    <message>
        <source>Communications Port Error</source>
        <translation>Erreur du port de communication</translation>
    </message>
    <message>
        <source>Can&apos;t find the specified port.</source>
        <translation>Le port indiqué est introuvable.</translation>
    </message>
    <message>
        <source>Access Denied. Port is probably alreay in use.</source>
        <translation>Accès refusé. Le port est probablement déjà utilisé.</translation>
    </message>
    <message>
        <source>Your user account may also lack access to serial devices (on most Linux systems this needs membership of the dialout group).</source>
        <translation>Il se peut aussi que votre compte n’ait pas accès aux périphériques série (sur la plupart des systèmes Linux, il faut être membre du groupe dialout).</translation>
    </message>
    <message>
        <source>Comm Port Error: %u</source>
        <translation>Erreur du port de communication&#xa0;: %u</translation>
    </message>
    <message>
        <source>Couldn&apos;t get the comm port state.</source>
        <translation>Impossible de lire l’état du port de communication.</translation>
    </message>
    <message>
        <source>Couldn&apos;t set the comm port state.</source>
        <translation>Impossible de définir l’état du port de communication.</translation>
    </message>
    <message>
        <source>Couldn&apos;t purge comm port.</source>
        <translation>Impossible de vider le port de communication.</translation>
    </message>
    <message>
        <source>Couldn&apos;t set the comm timeouts.</source>
        <translation>Impossible de définir les délais du port de communication.</translation>
    </message>
    <message>
        <source>Couldn&apos;t create the watch thread.</source>
        <translation>Impossible de créer le thread de surveillance.</translation>
    </message>
    <message>
        <source>Couldn&apos;t write to comm port. Error: %u</source>
        <translation>Impossible d’écrire sur le port de communication. Erreur&#xa0;: %u</translation>
    </message>
    <message>
        <source>The connection to %s was lost. Check the cable and choose the port again.</source>
        <translation>La connexion à %s a été perdue. Vérifiez le câble et choisissez à nouveau le port.</translation>
    </message>
    <message>
        <source>Acknowledge</source>
        <translation>Accusé de réception</translation>
    </message>
    <message>
        <source>Received response from device.</source>
        <translation>Réponse reçue de l’appareil.</translation>
    </message>
    <message>
        <source>No port</source>
        <translation>Aucun port</translation>
    </message>
    <message>
        <source>Port %s: %s</source>
        <translation>Port %s&#xa0;: %s</translation>
    </message>
    <message>
        <source>open</source>
        <translation>ouvert</translation>
    </message>
    <message>
        <source>closed</source>
        <translation>fermé</translation>
    </message>
    <message>
        <source>lost</source>
        <translation>perdu</translation>
    </message>
    <message>
        <source>Couldn&apos;t create the Upload thread.</source>
        <translation>Impossible de créer le thread d’envoi.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>File had a write error</source>
        <translation>Erreur d’écriture du fichier</translation>
    </message>
    <message>
        <source>File had a read error</source>
        <translation>Erreur de lecture du fichier</translation>
    </message>
    <message>
        <source>File has a bad format</source>
        <translation>Le format du fichier est incorrect</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>Mémoire insuffisante</translation>
    </message>
    <message>
        <source>File may be damaged: its old contents could not be put back</source>
        <translation>Le fichier est peut-être endommagé&#xa0;: son ancien contenu n’a pas pu être rétabli</translation>
    </message>
    <message>
        <source>Unknown write error.</source>
        <translation>Erreur d’écriture inconnue.</translation>
    </message>
    <message>
        <source>Unknown read error.</source>
        <translation>Erreur de lecture inconnue.</translation>
    </message>
    <message>
        <source>Not a VQ7100 program book, or one that was cut short</source>
        <translation>Pas un livre de programmes du VQ7100, ou un livre tronqué</translation>
    </message>
    <message>
        <source>Unknown error %d</source>
        <translation>Erreur inconnue %d</translation>
    </message>
    <message>
        <source>Not a regular file (a pipe, a device or a socket)</source>
        <translation>Pas un fichier ordinaire (un tube, un périphérique ou un socket)</translation>
    </message>
    <message>
        <source>Bluetooth RFCOMM</source>
        <translation>Bluetooth RFCOMM</translation>
    </message>
    <message>
        <source>Bluetooth %s channel %s</source>
        <translation>Bluetooth %s canal %s</translation>
    </message>
    <message>
        <source>Serial port</source>
        <translation>Port série</translation>
    </message>
    <message>
        <source>Select Comm Port</source>
        <translation>Choisir le port série</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>&amp;Refresh</source>
        <translation>&amp;Actualiser</translation>
    </message>
    <message>
        <source>Stable name</source>
        <translation>Nom stable</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Description</translation>
    </message>
    <message>
        <source>Stable name:</source>
        <translation>Nom stable&#xa0;:</translation>
    </message>
    <message>
        <source>none</source>
        <translation>aucun</translation>
    </message>
    <message>
        <source>Description:</source>
        <translation>Description&#xa0;:</translation>
    </message>
    <message>
        <source>USB adapter:</source>
        <translation>Adaptateur USB&#xa0;:</translation>
    </message>
    <message>
        <source>not on USB</source>
        <translation>pas sur USB</translation>
    </message>
    <message>
        <source>Uploading Progress</source>
        <translation>Progression de l’envoi</translation>
    </message>
    <message>
        <source>About %d s left</source>
        <translation>Environ %d s restantes</translation>
    </message>
    <message>
        <source>About %d min %d s left</source>
        <translation>Environ %d min %d s restantes</translation>
    </message>
    <message>
        <source>The device did not confirm that it received the whole upload. Please send it again.</source>
        <translation>L’appareil n’a pas confirmé avoir reçu l’envoi complet. Veuillez l’envoyer à nouveau.</translation>
    </message>
    <message>
        <source>The device answered for another block than the one sent, so the upload was stopped there. The device may not have all of it: please send it again.</source>
        <translation>L’appareil a répondu pour un autre bloc que celui envoyé&#xa0;; l’envoi a donc été arrêté là. Il se peut que l’appareil n’ait pas tout reçu&#xa0;: veuillez l’envoyer à nouveau.</translation>
    </message>
    <message>
        <source>The device has not answered. Check the cable and that the generator is switched on, or press Cancel.</source>
        <translation>L’appareil n’a pas répondu. Vérifiez le câble et que le générateur est allumé, ou cliquez sur Annuler.</translation>
    </message>
    <message>
        <source>Upload progress</source>
        <translation>Progression de l’envoi</translation>
    </message>
    <message>
        <source>Upload finished: the device confirmed the book.</source>
        <translation>Envoi terminé&#xa0;: l’appareil a confirmé le livre.</translation>
    </message>
    <message>
        <source>Upload finished: the device confirmed program %d.</source>
        <translation>Envoi terminé&#xa0;: l’appareil a confirmé le programme %d.</translation>
    </message>
    <message>
        <source>Upload cancelled: the device may hold only part of it.</source>
        <translation>Envoi annulé&#xa0;: l’appareil n’en a peut-être reçu qu’une partie.</translation>
    </message>
    <message>
        <source>Upload stopped: the connection to the device was lost.</source>
        <translation>Envoi arrêté&#xa0;: la connexion à l’appareil a été perdue.</translation>
    </message>
    <message>
        <source>Upload not confirmed by the device: send it again.</source>
        <translation>Envoi non confirmé par l’appareil&#xa0;: envoyez-le à nouveau.</translation>
    </message>
    <message>
        <source>Upload stopped: the device answered for another block.</source>
        <translation>Envoi arrêté&#xa0;: l’appareil a répondu pour un autre bloc.</translation>
    </message>
    <message>
        <source>No port is selected. Choose the generator&apos;s port with Tools &gt; Select Comm Port, then try again.</source>
        <translation>Aucun port n’est sélectionné. Choisissez le port du générateur avec Outils &gt; Choisir le port série, puis réessayez.</translation>
    </message>
    <message>
        <source>The pages chosen are not in the book, so nothing was printed.</source>
        <translation>Les pages choisies ne sont pas dans le carnet ; rien n’a été imprimé.</translation>
    </message>
    <message>
        <source>Exported %d page to %s</source>
        <translation>%d page exportée vers %s</translation>
    </message>
    <message>
        <source>Exported %d pages to %s</source>
        <translation>%d pages exportées vers %s</translation>
    </message>
    <message>
        <source>An upload is running; closing stops it, and the device may then hold only part of it.</source>
        <translation>Un envoi est en cours ; fermer l’interrompt, et l’appareil risque alors de n’en contenir qu’une partie.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>&amp;Outils</translation>
    </message>
    <message>
        <source>Save &amp;As...	Ctrl+Shift+S</source>
        <translation>Enregistrer &amp;sous...	Ctrl+Shift+S</translation>
    </message>
    <message>
        <source>E&amp;xit	Ctrl+Q</source>
        <translation>&amp;Quitter	Ctrl+Q</translation>
    </message>
    <message>
        <source>Cu&amp;t Program	Ctrl+X</source>
        <translation>Co&amp;uper le programme	Ctrl+X</translation>
    </message>
    <message>
        <source>&amp;Copy Program	Ctrl+C</source>
        <translation>&amp;Copier le programme	Ctrl+C</translation>
    </message>
    <message>
        <source>&amp;Paste Program	Ctrl+V</source>
        <translation>C&amp;oller le programme	Ctrl+V</translation>
    </message>
    <message>
        <source>Re&amp;order Programs</source>
        <translation>Réor&amp;ganiser les programmes</translation>
    </message>
    <message>
        <source>Book</source>
        <translation>Carnet</translation>
    </message>
    <message>
        <source>&amp;Book</source>
        <translation>&amp;Carnet</translation>
    </message>
    <message>
        <source>Show or hide the table of all the programs</source>
        <translation>Afficher ou masquer le tableau de tous les programmes</translation>
    </message>
    <message>
        <source>Freqs.</source>
        <translation>Fréq.</translation>
    </message>
    <message>
        <source>Frequencies (Hz)</source>
        <translation>Fréquences (Hz)</translation>
    </message>
    <message>
        <source>F&amp;ind:</source>
        <translation>&amp;Rechercher :</translation>
    </message>
    <message>
        <source>Hz (1000.0) or program</source>
        <translation>Hz (1000.0) ou programme</translation>
    </message>
    <message>
        <source>%d programs hold %s Hz</source>
        <translation>%d programmes contiennent %s Hz</translation>
    </message>
    <message>
        <source>No program holds %s Hz</source>
        <translation>Aucun programme ne contient %s Hz</translation>
    </message>
    <message>
        <source>&amp;Used only</source>
        <translation>&amp;Utilisés seulement</translation>
    </message>
    <message>
        <source>Programs of the book</source>
        <translation>Programmes du carnet</translation>
    </message>
    <message>
        <source>Find a frequency or a program</source>
        <translation>Rechercher une fréquence ou un programme</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Supprimer</translation>
    </message>
    <message>
        <source>Set T&amp;ype</source>
        <translation>Définir le &amp;type</translation>
    </message>
    <message>
        <source>Move the %d selected programs to number:</source>
        <translation>Déplacer les %d programmes sélectionnés vers le numéro :</translation>
    </message>
    <message>
        <source>Export only the %d selected programs? No exports the whole book.</source>
        <translation>Exporter seulement les %d programmes sélectionnés ? Non exporte tout le carnet.</translation>
    </message>
    <message>
        <source>Switch program %d to Frequency Groups? The values below break the group rules (at most two frequencies above 40 kHz in a group, and only two frequencies in all in a group that holds one), and the switch empties them. Cancel keeps the program as it was.</source>
        <translation>Passer le programme %d en groupes de fréquences ? Les valeurs ci-dessous enfreignent les règles des groupes (au plus deux fréquences supérieures à 40 kHz par groupe, et seulement deux fréquences en tout dans un groupe qui en contient une) ; le changement les efface. Annuler laisse le programme tel qu’il était.</translation>
    </message>
    <message>
        <source>Switch</source>
        <translation>Changer</translation>
    </message>
    <message>
        <source>Cut Program %d</source>
        <translation>Couper le programme %d</translation>
    </message>
    <message>
        <source>Delete Programs %d to %d</source>
        <translation>Supprimer les programmes %d à %d</translation>
    </message>
    <message>
        <source>Delete %d Programs</source>
        <translation>Supprimer %d programmes</translation>
    </message>
    <message>
        <source>Cut Programs %d to %d</source>
        <translation>Couper les programmes %d à %d</translation>
    </message>
    <message>
        <source>Cut %d Programs</source>
        <translation>Couper %d programmes</translation>
    </message>
    <message>
        <source>Set Type of Program %d</source>
        <translation>Définir le type du programme %d</translation>
    </message>
    <message>
        <source>Set Type of Programs %d to %d</source>
        <translation>Définir le type des programmes %d à %d</translation>
    </message>
    <message>
        <source>Set Type of %d Programs</source>
        <translation>Définir le type de %d programmes</translation>
    </message>
    <message>
        <source>Move Program %d to %d</source>
        <translation>Déplacer le programme %d vers %d</translation>
    </message>
    <message>
        <source>Move %d Programs to %d</source>
        <translation>Déplacer %d programmes vers %d</translation>
    </message>
    <message>
        <source>Switch %d programs to Frequency Groups? The values below break the group rules (at most two frequencies above 40 kHz in a group, and only two frequencies in all in a group that holds one), and the switch empties them. Cancel keeps the programs as they were.</source>
        <translation>Passer %d programmes en groupes de fréquences ? Les valeurs ci-dessous enfreignent les règles des groupes (au plus deux fréquences supérieures à 40 kHz par groupe, et seulement deux fréquences en tout dans un groupe qui en contient une) ; le changement les efface. Annuler laisse les programmes tels qu’ils étaient.</translation>
    </message>
    <message>
        <source>Program %d:</source>
        <translation>Programme %d :</translation>
    </message>
    <message>
        <source>not there</source>
        <translation>absent</translation>
    </message>
    <message>
        <source>in use</source>
        <translation>occupé</translation>
    </message>
    <message>
        <source>Port %s is not there; Test Connection or Load Device tries it again</source>
        <translation>Le port %s est absent ; Tester la connexion ou Charger l’appareil le réessaie</translation>
    </message>
    <message>
        <source>Port %s is in use by another program</source>
        <translation>Le port %s est utilisé par un autre programme</translation>
    </message>
    <message>
        <source>It is not a device.</source>
        <translation>Ce n’est pas un périphérique.</translation>
    </message>
    <message>
        <source>It is a device, but not a serial line.</source>
        <translation>C’est un périphérique, mais pas une ligne série.</translation>
    </message>
    <message>
        <source>A port is named COM and its number (COM12), or \\.\ and its device name.</source>
        <translation>Un port se nomme COM suivi de son numéro (COM12), ou \\.\ suivi du nom de son périphérique.</translation>
    </message>
    <message>
        <source>&quot;%s&quot; is not a serial port.</source>
        <translation>« %s » n’est pas un port série.</translation>
    </message>
</context>
</TS>
