<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES" sourcelanguage="en">
<context>
    <name>res</name>
    <message>
        <source>VQ7100 Files (*.vq)</source>
        <translation>Archivos VQ7100 (*.vq)</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Sin título</translation>
    </message>
    <message>
        <source>Save changes to %s?</source>
        <translation>¿Guardar los cambios en %s?</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Guardar como</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Todos los archivos (*)</translation>
    </message>
    <message>
        <source>Import CSV</source>
        <translation>Importar CSV</translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation>Exportar CSV</translation>
    </message>
    <message>
        <source>CSV Files (*.csv)</source>
        <translation>Archivos CSV (*.csv)</translation>
    </message>
    <message>
        <source>Export PDF</source>
        <translation>Exportar PDF</translation>
    </message>
    <message>
        <source>PDF Files (*.pdf)</source>
        <translation>Archivos PDF (*.pdf)</translation>
    </message>
    <message>
        <source>The pages could not be printed.</source>
        <translation>No se pudieron imprimir las páginas.</translation>
    </message>
    <message>
        <source>The pages could not be drawn for the preview.</source>
        <translation>No se pudieron dibujar las páginas para la vista previa.</translation>
    </message>
    <message>
        <source>The pages could not be made into a PDF.</source>
        <translation>No se pudo crear un PDF con las páginas.</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Edición</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ver</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ay&amp;uda</translation>
    </message>
    <message>
        <source>&amp;New	Ctrl+N</source>
        <translation>&amp;Nuevo	Ctrl+N</translation>
    </message>
    <message>
        <source>&amp;Open...	Ctrl+O</source>
        <translation>&amp;Abrir...	Ctrl+O</translation>
    </message>
    <message>
        <source>&amp;Save	Ctrl+S</source>
        <translation>&amp;Guardar	Ctrl+S</translation>
    </message>
    <message>
        <source>&amp;Import CSV...</source>
        <translation>&amp;Importar CSV...</translation>
    </message>
    <message>
        <source>&amp;Export CSV...</source>
        <translation>&amp;Exportar CSV...</translation>
    </message>
    <message>
        <source>Export P&amp;DF...</source>
        <translation>Exportar P&amp;DF...</translation>
    </message>
    <message>
        <source>&amp;Print...	Ctrl+P</source>
        <translation>Im&amp;primir...	Ctrl+P</translation>
    </message>
    <message>
        <source>Print Pre&amp;view</source>
        <translation>&amp;Vista previa de impresión</translation>
    </message>
    <message>
        <source>P&amp;rint Setup...</source>
        <translation>Con&amp;figurar impresión...</translation>
    </message>
    <message>
        <source>Recent File</source>
        <translation>Archivo reciente</translation>
    </message>
    <message>
        <source>&amp;%d %s</source>
        <translation>&amp;%d %s</translation>
    </message>
    <message>
        <source>&amp;Undo	Ctrl+Z</source>
        <translation>&amp;Deshacer	Ctrl+Z</translation>
    </message>
    <message>
        <source>&amp;Undo %s	Ctrl+Z</source>
        <translation>&amp;Deshacer: %s	Ctrl+Z</translation>
    </message>
    <message>
        <source>&amp;Redo	Ctrl+Y</source>
        <translation>&amp;Rehacer	Ctrl+Y</translation>
    </message>
    <message>
        <source>&amp;Redo %s	Ctrl+Y</source>
        <translation>&amp;Rehacer: %s	Ctrl+Y</translation>
    </message>
    <message>
        <source>&amp;Insert Program</source>
        <translation>&amp;Insertar programa</translation>
    </message>
    <message>
        <source>Reorder Programs</source>
        <translation>Reordenar programas</translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation>&amp;Barra de estado</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Idioma</translation>
    </message>
    <message>
        <source>&amp;System Language</source>
        <translation>Idioma del &amp;sistema</translation>
    </message>
    <message>
        <source>Choose the language of the windows</source>
        <translation>Elegir el idioma de las ventanas</translation>
    </message>
    <message>
        <source>The new language takes effect when ZelkorConfig is started again.</source>
        <translation>El nuevo idioma se aplicará la próxima vez que se inicie ZelkorConfig.</translation>
    </message>
    <message>
        <source>&amp;Delete Program</source>
        <translation>&amp;Eliminar programa</translation>
    </message>
    <message>
        <source>&amp;Test Connection</source>
        <translation>&amp;Probar conexión</translation>
    </message>
    <message>
        <source>&amp;Upload Current Program</source>
        <translation>En&amp;viar programa actual</translation>
    </message>
    <message>
        <source>&amp;Select Comm Port</source>
        <translation>&amp;Seleccionar puerto COM</translation>
    </message>
    <message>
        <source>&amp;About VQ7100 Config...</source>
        <translation>&amp;Acerca de VQ7100 Config...</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>Cor&amp;tar</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copiar</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Pegar</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Listo</translation>
    </message>
    <message>
        <source>Create a new document</source>
        <translation>Crear un documento nuevo</translation>
    </message>
    <message>
        <source>Open an existing document</source>
        <translation>Abrir un documento existente</translation>
    </message>
    <message>
        <source>Save the active document</source>
        <translation>Guardar el documento activo</translation>
    </message>
    <message>
        <source>Save the active document with a new name</source>
        <translation>Guardar el documento activo con otro nombre</translation>
    </message>
    <message>
        <source>Make a new document of the programs in a CSV file</source>
        <translation>Crear un documento nuevo con los programas de un archivo CSV</translation>
    </message>
    <message>
        <source>Write all 2000 programs to a CSV file</source>
        <translation>Escribir los 2000 programas en un archivo CSV</translation>
    </message>
    <message>
        <source>Write the printed pages to a PDF file</source>
        <translation>Escribir las páginas impresas en un archivo PDF</translation>
    </message>
    <message>
        <source>Print the active document</source>
        <translation>Imprimir el documento activo</translation>
    </message>
    <message>
        <source>Display full pages</source>
        <translation>Mostrar páginas completas</translation>
    </message>
    <message>
        <source>Change the printer and printing options</source>
        <translation>Cambiar la impresora y las opciones de impresión</translation>
    </message>
    <message>
        <source>Open this document</source>
        <translation>Abrir este documento</translation>
    </message>
    <message>
        <source>Quit the application; prompts to save documents</source>
        <translation>Salir de la aplicación; pregunta si se guardan los documentos</translation>
    </message>
    <message>
        <source>Cut the selection and put it on the Clipboard</source>
        <translation>Cortar la selección y ponerla en el portapapeles</translation>
    </message>
    <message>
        <source>Copy the selection and put it on the Clipboard</source>
        <translation>Copiar la selección y ponerla en el portapapeles</translation>
    </message>
    <message>
        <source>Insert Clipboard contents</source>
        <translation>Insertar el contenido del portapapeles</translation>
    </message>
    <message>
        <source>Take back the last change of the book</source>
        <translation>Deshacer el último cambio del libro</translation>
    </message>
    <message>
        <source>Make the change that was taken back again</source>
        <translation>Volver a hacer el cambio deshecho</translation>
    </message>
    <message>
        <source>Put the program on display on the Clipboard and delete it</source>
        <translation>Poner el programa mostrado en el portapapeles y eliminarlo</translation>
    </message>
    <message>
        <source>Put the program on display on the Clipboard</source>
        <translation>Poner el programa mostrado en el portapapeles</translation>
    </message>
    <message>
        <source>Put the Clipboard&apos;s programs in place of the program on display and those after it</source>
        <translation>Poner los programas del portapapeles en lugar del programa mostrado y de los siguientes</translation>
    </message>
    <message>
        <source>Insert a record at a given  location</source>
        <translation>Insertar un programa vacío en una posición dada</translation>
    </message>
    <message>
        <source>Reorder the programs</source>
        <translation>Reordenar los programas</translation>
    </message>
    <message>
        <source>Show or hide the status bar</source>
        <translation>Mostrar u ocultar la barra de estado</translation>
    </message>
    <message>
        <source>Delete the currently displayed program.</source>
        <translation>Eliminar el programa mostrado.</translation>
    </message>
    <message>
        <source>Test the serial connection. </source>
        <translation>Probar la conexión serie.</translation>
    </message>
    <message>
        <source>Upload the currently displayed program to the device.</source>
        <translation>Enviar el programa mostrado al dispositivo.</translation>
    </message>
    <message>
        <source>Display program information, version number and copyright</source>
        <translation>Mostrar información del programa, número de versión y copyright</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nuevo</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Cortar</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Pegar</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Estándar</translation>
    </message>
    <message>
        <source>CAP</source>
        <translation>MAY</translation>
    </message>
    <message>
        <source>NUM</source>
        <translation>NUM</translation>
    </message>
    <message>
        <source>SCRL</source>
        <translation>DES</translation>
    </message>
    <message>
        <source>About VQ7100</source>
        <translation>Acerca de VQ7100</translation>
    </message>
    <message>
        <source>VQ7100 Configuration Program Version 1.3</source>
        <translation>Programa de configuración del VQ7100, versión 1.3</translation>
    </message>
    <message>
        <source>Programs and uploads the VQ7100 signal generator.</source>
        <translation>Programa el generador de señales VQ7100 y le envía los programas.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>You must enter a positive frequency.</source>
        <translation>Debe introducir una frecuencia positiva.</translation>
    </message>
    <message>
        <source>Enter a frequency less than or equal to 20MHz.</source>
        <translation>Introduzca una frecuencia menor o igual que 20 MHz.</translation>
    </message>
    <message>
        <source>You can only have up to two frequencies greater than 40KHz per group.</source>
        <translation>Un grupo solo puede tener como máximo dos frecuencias mayores que 40 kHz.</translation>
    </message>
    <message>
        <source>If you have one frequency greater than 40KHz, the group can only have 2 frequencies.</source>
        <translation>Si un grupo tiene una frecuencia mayor que 40 kHz, solo puede tener 2 frecuencias.</translation>
    </message>
    <message>
        <source>&quot;%s&quot; is not a frequency: it must be one number in hertz, such as 1000 or 12.5.</source>
        <translation>«%s» no es una frecuencia: debe ser un solo número en hercios, como 1000 o 12.5.</translation>
    </message>
    <message>
        <source>&quot;%s&quot; is not a frequency: the decimal sign is a point, and thousands are not set apart (1500 or 12.5).</source>
        <translation>«%s» no es una frecuencia: el separador decimal es el punto y los millares no se separan (1500 o 12.5).</translation>
    </message>
    <message>
        <source>Enter a frequency of at least 0.1 Hz, the least the device takes, or 0 for an empty slot.</source>
        <translation>Introduzca una frecuencia de al menos 0.1 Hz, la menor que admite el dispositivo, o 0 para una posición vacía.</translation>
    </message>
    <message>
        <source>Group %d: %s</source>
        <translation>Grupo %d: %s</translation>
    </message>
    <message>
        <source>Freq. %d (%s Hz)</source>
        <translation>Frec. %d (%s Hz)</translation>
    </message>
    <message>
        <source>Program %d, slot %d: %s</source>
        <translation>Programa %d, posición %d: %s</translation>
    </message>
    <message>
        <source>Nothing was sent: the device cannot take a value of the book.
%s
Correct the program and send it again.</source>
        <translation>No se envió nada: el dispositivo no admite un valor del libro.
%s
Corrija el programa y vuelva a enviarlo.</translation>
    </message>
    <message>
        <source>This book holds values the device cannot take, and they will not be sent until they are corrected.
%s</source>
        <translation>Este libro contiene valores que el dispositivo no admite, y no se enviarán hasta que se corrijan.
%s</translation>
    </message>
    <message>
        <source>%s
(and %d more)</source>
        <translation>%s
(y %d más)</translation>
    </message>
    <message>
        <source>Do you want to save the current program?</source>
        <translation>¿Desea guardar el programa actual?</translation>
    </message>
    <message>
        <source>Program Save</source>
        <translation>Guardar programa</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Insert Program</source>
        <translation>Insertar programa</translation>
    </message>
    <message>
        <source>This will insert an empty program at</source>
        <translation>Se insertará un programa vacío</translation>
    </message>
    <message>
        <source>a given program number.</source>
        <translation>en el número de programa indicado.</translation>
    </message>
    <message>
        <source>Program Number</source>
        <translation>Número de programa</translation>
    </message>
    <message>
        <source>Enter the program number as a whole number without a sign.</source>
        <translation>Introduzca el número de programa como número entero sin signo.</translation>
    </message>
    <message>
        <source>Enter a program number from 1 to 2000.</source>
        <translation>Introduzca un número de programa del 1 al 2000.</translation>
    </message>
    <message>
        <source>&amp;Up</source>
        <translation>&amp;Subir</translation>
    </message>
    <message>
        <source>&amp;Down</source>
        <translation>&amp;Bajar</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>You must select an item.</source>
        <translation>Debe seleccionar un elemento.</translation>
    </message>
    <message>
        <source>&amp;Move to...</source>
        <translation>&amp;Mover a...</translation>
    </message>
    <message>
        <source>Move to</source>
        <translation>Mover a</translation>
    </message>
    <message>
        <source>Move program %d to number:</source>
        <translation>Mover el programa %d al número:</translation>
    </message>
    <message>
        <source>Programs</source>
        <translation>Programas</translation>
    </message>
    <message>
        <source>Single</source>
        <translation>Simple</translation>
    </message>
    <message>
        <source>Groups</source>
        <translation>Grupos</translation>
    </message>
    <message>
        <source>Edit Program %d</source>
        <translation>Editar programa %d</translation>
    </message>
    <message>
        <source>Change Type of Program %d</source>
        <translation>Cambiar tipo del programa %d</translation>
    </message>
    <message>
        <source>Insert Program %d</source>
        <translation>Insertar programa %d</translation>
    </message>
    <message>
        <source>Delete Program %d</source>
        <translation>Eliminar programa %d</translation>
    </message>
    <message>
        <source>Paste Program %d</source>
        <translation>Pegar programa %d</translation>
    </message>
    <message>
        <source>Paste Programs %d to %d</source>
        <translation>Pegar programas %d a %d</translation>
    </message>
    <message>
        <source>The Clipboard holds no programs.</source>
        <translation>El portapapeles no contiene programas.</translation>
    </message>
    <message>
        <source>The Clipboard holds %d programs, but from program %d only %d fit before the end of the book. Nothing was pasted.</source>
        <translation>El portapapeles contiene %d programas, pero a partir del programa %d solo caben %d antes del final del libro. No se pegó nada.</translation>
    </message>
    <message>
        <source>not a program of this editor</source>
        <translation>no es un programa de este editor</translation>
    </message>
    <message>
        <source>Program</source>
        <translation>Programa</translation>
    </message>
    <message>
        <source>Page %d of %d</source>
        <translation>Página %d de %d</translation>
    </message>
    <message>
        <source>No program of this book holds a frequency.</source>
        <translation>Ningún programa de este libro contiene una frecuencia.</translation>
    </message>
    <message>
        <source>Row %d, column %d (%s): %s</source>
        <translation>Fila %d, columna %d (%s): %s</translation>
    </message>
    <message>
        <source>Row %d: %s</source>
        <translation>Fila %d: %s</translation>
    </message>
    <message>
        <source>the first row must be number,type,f1,...,f48</source>
        <translation>la primera fila debe ser number,type,f1,...,f48</translation>
    </message>
    <message>
        <source>expected at most 50 columns, found %d</source>
        <translation>se esperaban como máximo 50 columnas y hay %d</translation>
    </message>
    <message>
        <source>a quoted cell is not closed</source>
        <translation>una celda entre comillas no está cerrada</translation>
    </message>
    <message>
        <source>the program number must be 1 to 2000</source>
        <translation>el número de programa debe ser de 1 a 2000</translation>
    </message>
    <message>
        <source>program %d already came in row %d</source>
        <translation>el programa %d ya apareció en la fila %d</translation>
    </message>
    <message>
        <source>the type must be single or groups</source>
        <translation>el tipo debe ser single o groups</translation>
    </message>
    <message>
        <source>Too large to be a CSV book</source>
        <translation>Demasiado grande para ser un libro CSV</translation>
    </message>
    <message>
        <source>more rows than the book has programs</source>
        <translation>más filas que programas tiene el libro</translation>
    </message>
    <message>
        <source>Program Type</source>
        <translation>Tipo de programa</translation>
    </message>
    <message>
        <source>Single Frequencies</source>
        <translation>Frecuencias simples</translation>
    </message>
    <message>
        <source>Frequency Groups</source>
        <translation>Grupos de frecuencias</translation>
    </message>
    <message>
        <source>&amp;Jump</source>
        <translation>&amp;Ir</translation>
    </message>
    <message>
        <source>&amp;Load Device</source>
        <translation>&amp;Cargar dispositivo</translation>
    </message>
    <message>
        <source>Group %d</source>
        <translation>Grupo %d</translation>
    </message>
    <message>
        <source>Freq. %d</source>
        <translation>Frec. %d</translation>
    </message>
    <message>
        <source>Group %d, Freq. %d</source>
        <translation>Grupo %d, frec. %d</translation>
    </message>
    <message>
        <source>Program number</source>
        <translation>Número de programa</translation>
    </message>
    <message>
        <source>Previous program</source>
        <translation>Programa anterior</translation>
    </message>
    <message>
        <source>Next program</source>
        <translation>Programa siguiente</translation>
    </message>
    <message>
        <source>Program number to jump to</source>
        <translation>Número del programa al que ir</translation>
    </message>
    <message>
        <source>The program number can be from 1 to 2000.</source>
        <translation>El número de programa puede ser del 1 al 2000.</translation>
    </message>
    <message>
        <source>Couldn&apos;t insert the program, because program list is full.</source>
        <translation>No se pudo insertar el programa porque la lista de programas está llena.</translation>
    </message>
    <message>
        <source>Communications Port Error</source>
        <translation>Error del puerto de comunicaciones</translation>
    </message>
    <message>
        <source>Can&apos;t find the specified port.</source>
        <translation>No se encuentra el puerto indicado.</translation>
    </message>
    <message>
        <source>Access Denied. Port is probably alreay in use.</source>
        <translation>Acceso denegado. Probablemente el puerto ya está en uso.</translation>
    </message>
    <message>
        <source>Your user account may also lack access to serial devices (on most Linux systems this needs membership of the dialout group).</source>
        <translation>Puede que su cuenta tampoco tenga acceso a los dispositivos serie (en la mayoría de los sistemas Linux hace falta pertenecer al grupo dialout).</translation>
    </message>
    <message>
        <source>Comm Port Error: %u</source>
        <translation>Error del puerto de comunicaciones: %u</translation>
    </message>
    <message>
        <source>Couldn&apos;t get the comm port state.</source>
        <translation>No se pudo obtener el estado del puerto COM.</translation>
    </message>
    <message>
        <source>Couldn&apos;t set the comm port state.</source>
        <translation>No se pudo establecer el estado del puerto COM.</translation>
    </message>
    <message>
        <source>Couldn&apos;t purge comm port.</source>
        <translation>No se pudo vaciar el puerto COM.</translation>
    </message>
    <message>
        <source>Couldn&apos;t set the comm timeouts.</source>
        <translation>No se pudieron establecer los tiempos de espera del puerto COM.</translation>
    </message>
    <message>
        <source>Couldn&apos;t create the watch thread.</source>
        <translation>No se pudo crear el hilo de vigilancia.</translation>
    </message>
    <message>
        <source>Couldn&apos;t write to comm port. Error: %u</source>
        <translation>No se pudo escribir en el puerto COM. Error: %u</translation>
    </message>
    <message>
        <source>The connection to %s was lost. Check the cable and choose the port again.</source>
        <translation>Se perdió la conexión con %s. Compruebe el cable y vuelva a elegir el puerto.</translation>
    </message>
    <message>
        <source>Acknowledge</source>
        <translation>Confirmación</translation>
    </message>
    <message>
        <source>Received response from device.</source>
        <translation>Se recibió respuesta del dispositivo.</translation>
    </message>
    <message>
        <source>No port</source>
        <translation>Sin puerto</translation>
    </message>
    <message>
        <source>Port %s: %s</source>
        <translation>Puerto %s: %s</translation>
    </message>
    <message>
        <source>open</source>
        <translation>abierto</translation>
    </message>
    <message>
        <source>closed</source>
        <translation>cerrado</translation>
    </message>
    <message>
        <source>lost</source>
        <translation>perdido</translation>
    </message>
    <message>
        <source>Couldn&apos;t create the Upload thread.</source>
        <translation>No se pudo crear el hilo de envío.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>File had a write error</source>
        <translation>Error de escritura en el archivo</translation>
    </message>
    <message>
        <source>File had a read error</source>
        <translation>Error de lectura del archivo</translation>
    </message>
    <message>
        <source>File has a bad format</source>
        <translation>El archivo tiene un formato incorrecto</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>Memoria insuficiente</translation>
    </message>
    <message>
        <source>File may be damaged: its old contents could not be put back</source>
        <translation>Puede que el archivo esté dañado: no se pudo restaurar su contenido anterior</translation>
    </message>
    <message>
        <source>Unknown write error.</source>
        <translation>Error de escritura desconocido.</translation>
    </message>
    <message>
        <source>Unknown read error.</source>
        <translation>Error de lectura desconocido.</translation>
    </message>
    <message>
        <source>Not a VQ7100 program book, or one that was cut short</source>
        <translation>No es un libro de programas del VQ7100, o está truncado</translation>
    </message>
    <message>
        <source>Unknown error %d</source>
        <translation>Error desconocido %d</translation>
    </message>
    <message>
        <source>Not a regular file (a pipe, a device or a socket)</source>
        <translation>No es un archivo normal (una tubería, un dispositivo o un socket)</translation>
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
        <translation>Puerto serie</translation>
    </message>
    <message>
        <source>Select Comm Port</source>
        <translation>Seleccionar puerto COM</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Puerto</translation>
    </message>
    <message>
        <source>&amp;Refresh</source>
        <translation>&amp;Actualizar</translation>
    </message>
    <message>
        <source>Stable name</source>
        <translation>Nombre estable</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Descripción</translation>
    </message>
    <message>
        <source>Stable name:</source>
        <translation>Nombre estable:</translation>
    </message>
    <message>
        <source>none</source>
        <translation>ninguno</translation>
    </message>
    <message>
        <source>Description:</source>
        <translation>Descripción:</translation>
    </message>
    <message>
        <source>USB adapter:</source>
        <translation>Adaptador USB:</translation>
    </message>
    <message>
        <source>not on USB</source>
        <translation>no está en USB</translation>
    </message>
    <message>
        <source>Uploading Progress</source>
        <translation>Progreso del envío</translation>
    </message>
    <message>
        <source>About %d s left</source>
        <translation>Quedan unos %d s</translation>
    </message>
    <message>
        <source>About %d min %d s left</source>
        <translation>Quedan unos %d min %d s</translation>
    </message>
    <message>
        <source>The device did not confirm that it received the whole upload. Please send it again.</source>
        <translation>El dispositivo no confirmó que recibiera todo el envío. Vuelva a enviarlo.</translation>
    </message>
    <message>
        <source>The device answered for another block than the one sent, so the upload was stopped there. The device may not have all of it: please send it again.</source>
        <translation>El dispositivo respondió por otro bloque distinto del enviado, así que el envío se detuvo ahí. Puede que el dispositivo no lo tenga todo: vuelva a enviarlo.</translation>
    </message>
    <message>
        <source>The device has not answered. Check the cable and that the generator is switched on, or press Cancel.</source>
        <translation>El dispositivo no ha respondido. Compruebe el cable y que el generador esté encendido, o pulse Cancelar.</translation>
    </message>
    <message>
        <source>Upload progress</source>
        <translation>Progreso del envío</translation>
    </message>
    <message>
        <source>Upload finished: the device confirmed the book.</source>
        <translation>Envío terminado: el dispositivo confirmó el libro.</translation>
    </message>
    <message>
        <source>Upload finished: the device confirmed program %d.</source>
        <translation>Envío terminado: el dispositivo confirmó el programa %d.</translation>
    </message>
    <message>
        <source>Upload cancelled: the device may hold only part of it.</source>
        <translation>Envío cancelado: puede que el dispositivo solo tenga una parte.</translation>
    </message>
    <message>
        <source>Upload stopped: the connection to the device was lost.</source>
        <translation>Envío detenido: se perdió la conexión con el dispositivo.</translation>
    </message>
    <message>
        <source>Upload not confirmed by the device: send it again.</source>
        <translation>Envío no confirmado por el dispositivo: vuelva a enviarlo.</translation>
    </message>
    <message>
        <source>Upload stopped: the device answered for another block.</source>
        <translation>Envío detenido: el dispositivo respondió por otro bloque.</translation>
    </message>
    <message>
        <source>No port is selected. Choose the generator&apos;s port with Tools &gt; Select Comm Port, then try again.</source>
        <translation>No hay ningún puerto seleccionado. Elija el puerto del generador con Herramientas &gt; Seleccionar puerto COM y vuelva a intentarlo.</translation>
    </message>
    <message>
        <source>The pages chosen are not in the book, so nothing was printed.</source>
        <translation>Las páginas elegidas no están en el libro, así que no se imprimió nada.</translation>
    </message>
    <message>
        <source>Exported %d page to %s</source>
        <translation>%d página exportada a %s</translation>
    </message>
    <message>
        <source>Exported %d pages to %s</source>
        <translation>%d páginas exportadas a %s</translation>
    </message>
    <message>
        <source>An upload is running; closing stops it, and the device may then hold only part of it.</source>
        <translation>Hay un envío en curso; cerrar lo detiene, y el dispositivo puede quedar con solo una parte.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>&amp;Herramientas</translation>
    </message>
    <message>
        <source>Save &amp;As...	Ctrl+Shift+S</source>
        <translation>Guardar &amp;como...	Ctrl+Shift+S</translation>
    </message>
    <message>
        <source>E&amp;xit	Ctrl+Q</source>
        <translation>&amp;Salir	Ctrl+Q</translation>
    </message>
    <message>
        <source>Cu&amp;t Program	Ctrl+X</source>
        <translation>Cor&amp;tar programa	Ctrl+X</translation>
    </message>
    <message>
        <source>&amp;Copy Program	Ctrl+C</source>
        <translation>&amp;Copiar programa	Ctrl+C</translation>
    </message>
    <message>
        <source>&amp;Paste Program	Ctrl+V</source>
        <translation>&amp;Pegar programa	Ctrl+V</translation>
    </message>
    <message>
        <source>Re&amp;order Programs</source>
        <translation>Re&amp;ordenar programas</translation>
    </message>
    <message>
        <source>Book</source>
        <translation>Libro</translation>
    </message>
    <message>
        <source>&amp;Book</source>
        <translation>&amp;Libro</translation>
    </message>
    <message>
        <source>Show or hide the table of all the programs</source>
        <translation>Mostrar u ocultar la tabla de todos los programas</translation>
    </message>
    <message>
        <source>Freqs.</source>
        <translation>Frec.</translation>
    </message>
    <message>
        <source>Frequencies (Hz)</source>
        <translation>Frecuencias (Hz)</translation>
    </message>
    <message>
        <source>F&amp;ind:</source>
        <translation>&amp;Buscar:</translation>
    </message>
    <message>
        <source>Hz (1000.0) or program</source>
        <translation>Hz (1000.0) o programa</translation>
    </message>
    <message>
        <source>%d programs hold %s Hz</source>
        <translation>%d programas contienen %s Hz</translation>
    </message>
    <message>
        <source>No program holds %s Hz</source>
        <translation>Ningún programa contiene %s Hz</translation>
    </message>
    <message>
        <source>&amp;Used only</source>
        <translation>Solo &amp;usados</translation>
    </message>
    <message>
        <source>Programs of the book</source>
        <translation>Programas del libro</translation>
    </message>
    <message>
        <source>Find a frequency or a program</source>
        <translation>Buscar una frecuencia o un programa</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Eliminar</translation>
    </message>
    <message>
        <source>Set T&amp;ype</source>
        <translation>Establecer t&amp;ipo</translation>
    </message>
    <message>
        <source>Move the %d selected programs to number:</source>
        <translation>Mover los %d programas seleccionados al número:</translation>
    </message>
    <message>
        <source>Export only the %d selected programs? No exports the whole book.</source>
        <translation>¿Exportar solo los %d programas seleccionados? No exporta el libro entero.</translation>
    </message>
    <message>
        <source>Switch program %d to Frequency Groups? The values below break the group rules (at most two frequencies above 40 kHz in a group, and only two frequencies in all in a group that holds one), and the switch empties them. Cancel keeps the program as it was.</source>
        <translation>¿Cambiar el programa %d a grupos de frecuencias? Los valores siguientes incumplen las reglas de los grupos (como máximo dos frecuencias mayores que 40 kHz por grupo, y solo dos frecuencias en total en un grupo que tenga una), y el cambio los vacía. Cancelar deja el programa como estaba.</translation>
    </message>
    <message>
        <source>Switch</source>
        <translation>Cambiar</translation>
    </message>
    <message>
        <source>Cut Program %d</source>
        <translation>Cortar programa %d</translation>
    </message>
    <message>
        <source>Delete Programs %d to %d</source>
        <translation>Eliminar programas %d a %d</translation>
    </message>
    <message>
        <source>Delete %d Programs</source>
        <translation>Eliminar %d programas</translation>
    </message>
    <message>
        <source>Cut Programs %d to %d</source>
        <translation>Cortar programas %d a %d</translation>
    </message>
    <message>
        <source>Cut %d Programs</source>
        <translation>Cortar %d programas</translation>
    </message>
    <message>
        <source>Set Type of Program %d</source>
        <translation>Establecer tipo del programa %d</translation>
    </message>
    <message>
        <source>Set Type of Programs %d to %d</source>
        <translation>Establecer tipo de los programas %d a %d</translation>
    </message>
    <message>
        <source>Set Type of %d Programs</source>
        <translation>Establecer tipo de %d programas</translation>
    </message>
    <message>
        <source>Move Program %d to %d</source>
        <translation>Mover programa %d a %d</translation>
    </message>
    <message>
        <source>Move %d Programs to %d</source>
        <translation>Mover %d programas a %d</translation>
    </message>
    <message>
        <source>Switch %d programs to Frequency Groups? The values below break the group rules (at most two frequencies above 40 kHz in a group, and only two frequencies in all in a group that holds one), and the switch empties them. Cancel keeps the programs as they were.</source>
        <translation>¿Cambiar %d programas a grupos de frecuencias? Los valores siguientes incumplen las reglas de los grupos (como máximo dos frecuencias mayores que 40 kHz por grupo, y solo dos frecuencias en total en un grupo que tenga una), y el cambio los vacía. Cancelar deja los programas como estaban.</translation>
    </message>
    <message>
        <source>Program %d:</source>
        <translation>Programa %d:</translation>
    </message>
    <message>
        <source>not there</source>
        <translation>no presente</translation>
    </message>
    <message>
        <source>in use</source>
        <translation>en uso</translation>
    </message>
    <message>
        <source>Port %s is not there; Test Connection or Load Device tries it again</source>
        <translation>El puerto %s no está presente; Probar conexión o Cargar dispositivo lo intenta de nuevo</translation>
    </message>
    <message>
        <source>Port %s is in use by another program</source>
        <translation>El puerto %s está en uso por otro programa</translation>
    </message>
    <message>
        <source>It is not a device.</source>
        <translation>No es un dispositivo.</translation>
    </message>
    <message>
        <source>It is a device, but not a serial line.</source>
        <translation>Es un dispositivo, pero no una línea serie.</translation>
    </message>
    <message>
        <source>A port is named COM and its number (COM12), or \\.\ and its device name.</source>
        <translation>Un puerto se llama COM y su número (COM12), o \\.\ y el nombre de su dispositivo.</translation>
    </message>
    <message>
        <source>&quot;%s&quot; is not a serial port.</source>
        <translation>«%s» no es un puerto serie.</translation>
    </message>
</context>
</TS>
