<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="es">
<context>
    <name>CAboutDlg</name>
    <message>
        <source>About ZAVTHelp</source>
        <translation type="vanished">About ZAVTHelp</translation>
    </message>
    <message>
        <source>ZAVTHelp Version 1.0</source>
        <translation type="vanished">ZAVTHelp Version 1.0</translation>
    </message>
    <message>
        <source>Programa libre con licencia GNU GPL, versión 3 o posterior, sin garantía alguna.</source>
        <translation>Free software under the GNU GPL, version 3 or later, without any warranty.</translation>
    </message>
    <message>
        <source>Acerca de ZAVType</source>
        <translation type="vanished">About ZAVType</translation>
    </message>
    <message>
        <source>ZAVType Version 1.40-es</source>
        <translation type="vanished">ZAVType Version 1.40-es</translation>
    </message>
    <message>
        <source>Para recibir instrucciones y consejos, seleccione &quot;Ayuda&quot;</source>
        <translation type="vanished">For instructions and tips, choose &quot;Help&quot;</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>CAddOnMissingDlg</name>
    <message>
        <source>ZAV Drill Plus</source>
        <translation>ZAV Drill Plus</translation>
    </message>
    <message>
        <source>ZAV Drill Plus failed to load. In order to load ZAV Drill Plus from this program it must be in the following location:</source>
        <translation>ZAV Drill Plus failed to load. In order to load ZAV Drill Plus from this program it must be in the following location:</translation>
    </message>
    <message>
        <source>ZAV Drill Plus is an add-on to this program, which provides longer texts, speed and accuracy analysis and generates exercises to correct specific problems detected. For more information and to download see </source>
        <translation>ZAV Drill Plus is an add-on to this program, which provides longer texts, speed and accuracy analysis and generates exercises to correct specific problems detected. For more information and to download see </translation>
    </message>
    <message>
        <source>ZAVType project page</source>
        <translation>ZAVType project page</translation>
    </message>
</context>
<context>
    <name>CAdvanceConfirmDlg</name>
    <message>
        <source>ZAVType Avance Automático</source>
        <translation>ZAVType Auto Advance</translation>
    </message>
    <message>
        <source>¿Quiere avanzar al ejercicio siguiente?</source>
        <translation>Do you want to go on to the next exercise?</translation>
    </message>
    <message>
        <source>Sí</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
</context>
<context>
    <name>CAutoAdvanceDlg</name>
    <message>
        <source>Avance automático</source>
        <translation>Auto advance</translation>
    </message>
    <message>
        <source>Detalles</source>
        <translation>Details</translation>
    </message>
    <message>
        <source>Avance cada</source>
        <translation>Advance every</translation>
    </message>
    <message>
        <source>1</source>
        <translation>1</translation>
    </message>
    <message>
        <source>2</source>
        <translation>2</translation>
    </message>
    <message>
        <source>3</source>
        <translation>3</translation>
    </message>
    <message>
        <source>4</source>
        <translation>4</translation>
    </message>
    <message>
        <source>5</source>
        <translation>5</translation>
    </message>
    <message>
        <source>Turnos</source>
        <translation>Turns</translation>
    </message>
    <message>
        <source>Turnos OK</source>
        <translation>OK turns</translation>
    </message>
    <message>
        <source>Turnos perfectos</source>
        <translation>Perfect turns</translation>
    </message>
    <message>
        <source>Confirmar</source>
        <translation>Confirm</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancelar</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>CExerciseBar</name>
    <message>
        <source>Duración</source>
        <translation>Duration</translation>
    </message>
    <message>
        <source>Letras</source>
        <translation>Letters</translation>
    </message>
    <message>
        <source>Palabras</source>
        <translation>Words</translation>
    </message>
    <message>
        <source>Errores</source>
        <translation>Errors</translation>
    </message>
    <message>
        <source>% error</source>
        <translation>% error</translation>
    </message>
    <message>
        <source>lpm</source>
        <translation>cpm</translation>
    </message>
    <message>
        <source>ppm</source>
        <translation>wpm</translation>
    </message>
    <message>
        <source>Intentos</source>
        <translation>Attempts</translation>
    </message>
</context>
<context>
    <name>CFingerDlg</name>
    <message>
        <source>Posición de los dedos</source>
        <translation>Finger positions</translation>
    </message>
</context>
<context>
    <name>CFontDlg</name>
    <message>
        <source>Fuente del ejercicio</source>
        <translation>Exercise font</translation>
    </message>
    <message>
        <source>&amp;Fuente</source>
        <translation>&amp;Font</translation>
    </message>
    <message>
        <source>&amp;Estilo</source>
        <translation>&amp;Style</translation>
    </message>
    <message>
        <source>&amp;Tamaño</source>
        <translation>Si&amp;ze</translation>
    </message>
    <message>
        <source>Muestra</source>
        <translation>Sample</translation>
    </message>
    <message>
        <source>AaBbYyZz Ññ ¿áéíóú? 0123</source>
        <translation>AaBbYyZz Ññ ¿áéíóú? 0123</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancelar</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>CJumpDlg</name>
    <message>
        <source>Salta a ejercicio</source>
        <translation>Jump to exercise</translation>
    </message>
    <message>
        <source>Ejercicio número</source>
        <translation>Exercise number</translation>
    </message>
    <message>
        <source>Sección</source>
        <translation>Section</translation>
    </message>
    <message>
        <source>Saltar</source>
        <translation>Jump</translation>
    </message>
    <message>
        <source>Cancelar</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>CKeyboardWidget</name>
    <message>
        <source>Bloq Mayús</source>
        <translation>Caps Lock</translation>
    </message>
    <message>
        <source>Intro ↵</source>
        <translation>Enter ↵</translation>
    </message>
    <message>
        <source>⇧ Mayús</source>
        <translation>⇧ Shift</translation>
    </message>
    <message>
        <source>Menú</source>
        <translation>Menu</translation>
    </message>
</context>
<context>
    <name>CLettersBar</name>
    <message>
        <source>Letras:</source>
        <translation>Letters:</translation>
    </message>
    <message>
        <source>Bien</source>
        <translation>Good</translation>
    </message>
    <message>
        <source>Mal</source>
        <translation>Bad</translation>
    </message>
</context>
<context>
    <name>CPracticeDlg</name>
    <message>
        <source>Practicar letras</source>
        <translation>Practise letters</translation>
    </message>
    <message>
        <source>Practicar letras problemáticas</source>
        <translation>Practise problem letters</translation>
    </message>
    <message>
        <source>Practicar estas letras en cualquier orden</source>
        <translation>Practise these letters in any order</translation>
    </message>
    <message>
        <source>Practicar estas letras en este orden</source>
        <translation>Practise these letters in this order</translation>
    </message>
    <message>
        <source>Letras lentas</source>
        <translation>Slow letters</translation>
    </message>
    <message>
        <source>Las 8 letras más lentas de los últimos 30 días, según el diario de progreso</source>
        <translation>The 8 slowest letters of the last 30 days, from the progress journal</translation>
    </message>
    <message>
        <source>Incluir letras extras</source>
        <translation>Include extra letters</translation>
    </message>
    <message>
        <source>Comienza</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Cancelar</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>CSettingsDlg</name>
    <message>
        <source>Configuración</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>Fuente :</source>
        <translation>Font:</translation>
    </message>
    <message>
        <source>Cambiar</source>
        <translation>Change</translation>
    </message>
    <message>
        <source>Tipo de teclado:</source>
        <translation>Keyboard type:</translation>
    </message>
    <message>
        <source>Qwerty - jkl;@</source>
        <translation>Qwerty - jkl;@</translation>
    </message>
    <message>
        <source>Qwerty - jkl;&quot;</source>
        <translation>Qwerty - jkl;&quot;</translation>
    </message>
    <message>
        <source>Qwerty - jkln</source>
        <translation>Qwerty - jkln</translation>
    </message>
    <message>
        <source>Teclado en pantalla: el que usa el escritorio</source>
        <translation>On-screen keyboard: the one the desktop uses</translation>
    </message>
    <message>
        <source>Dibuja la distribución de teclado activa en el escritorio en lugar de la elegida arriba</source>
        <translation>Draws the keyboard layout active on the desktop instead of the one chosen above</translation>
    </message>
    <message>
        <source>Límites (errores por mil)</source>
        <translation>Limits (errors per thousand)</translation>
    </message>
    <message>
        <source>Mal: peor que</source>
        <translation>Bad: worse than</translation>
    </message>
    <message>
        <source>Bien: mejor que</source>
        <translation>Good: better than</translation>
    </message>
    <message>
        <source>Máximo número de errores para ejercicio Regular</source>
        <translation>Most errors for a Fair exercise</translation>
    </message>
    <message>
        <source>Marcar la letra siguiente</source>
        <translation>Mark the next letter</translation>
    </message>
    <message>
        <source>Colorear los errores</source>
        <translation>Colour the errors</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancelar</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>CStatsDlg</name>
    <message>
        <source>Estadística</source>
        <translation>Statistics</translation>
    </message>
    <message>
        <source>&amp;Errores</source>
        <translation>&amp;Errors</translation>
    </message>
    <message>
        <source>&amp;Velocidad (últimos 30 días)</source>
        <translation>&amp;Speed (last 30 days)</translation>
    </message>
</context>
<context>
    <name>ZAVTHelp</name>
    <message>
        <source>Sin título</source>
        <translation>Untitled</translation>
    </message>
    <message>
        <source>&amp;Ayuda</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>&amp;Ir</source>
        <translation>&amp;Go</translation>
    </message>
    <message>
        <source>&amp;Acerca de ZAVType Help</source>
        <translation>&amp;About ZAVType Help</translation>
    </message>
    <message>
        <source>&amp;Anterior</source>
        <translation>&amp;Previous</translation>
    </message>
    <message>
        <source>&amp;Siguiente</source>
        <translation>&amp;Next</translation>
    </message>
    <message>
        <source>Contenido</source>
        <translation>Contents</translation>
    </message>
    <message>
        <source>&amp;Ayuda de este ejercicio</source>
        <translation>&amp;Help for this exercise</translation>
    </message>
    <message>
        <source>ZAVType no puede acceder a la información de este ejercicio</source>
        <translation>ZAVType cannot reach the information for this exercise</translation>
    </message>
    <message>
        <source>Uso: ZAVTHelp [--trace ARCHIVO]
Muestra las páginas de ayuda de ZAVType (carpeta &quot;help&quot; junto al programa).
ZAVType lo abre y le indica el ejercicio en pantalla.

  --trace ARCHIVO  anota en ARCHIVO cada página mostrada y cada mensaje, en lugar de
                   mostrar los mensajes (para pruebas)
  --help           muestra esta ayuda
  --version        muestra la versión
</source>
        <translation>Usage: ZAVTHelp [--trace FILE]
Shows the help pages of ZAVType (the &quot;help&quot; folder beside the program).
ZAVType opens it and tells it the exercise on screen.

  --trace FILE  writes each page shown and each message to FILE instead of
                showing the messages (for tests)
  --help        shows this help
  --version     shows the version
</translation>
    </message>
    <message>
        <source>La tabla de páginas %1 no se puede leer: en la línea %2, el carácter %3 no existe en Windows-1252.</source>
        <translation>The page table %1 cannot be read: on line %2, the character %3 does not exist in Windows-1252.</translation>
    </message>
</context>
<context>
    <name>ZAVType</name>
    <message>
        <source>Sin título</source>
        <translation>Untitled</translation>
    </message>
    <message>
        <source>¿Guardar cambios a %1?</source>
        <translation>Save changes to %1?</translation>
    </message>
    <message>
        <source>Archivos ZAVTyp (*.zav)</source>
        <translation>ZAVTyp files (*.zav)</translation>
    </message>
    <message>
        <source>Abrir otro curso</source>
        <translation>Open another course</translation>
    </message>
    <message>
        <source>No se puede abrir el archivo de curso %1. El curso y su progreso siguen como estaban.</source>
        <translation>Cannot open the course file %1. The course and its progress stay as they were.</translation>
    </message>
    <message>
        <source>Uso: ZAVType [ARCHIVO.zav]
Tutor de mecanografía. Con un archivo de progreso lo abre; sin él empieza un
documento nuevo con el curso &quot;Default&quot;.

  -h, --help     muestra esta ayuda y termina
  -v, --version  muestra la versión y termina</source>
        <translation>Usage: ZAVType [FILE.zav]
Touch-typing tutor. Opens the progress file given; without one it starts a
new document with the course &quot;Default&quot;.

  -h, --help     shows this help and exits
  -v, --version  shows the version and exits</translation>
    </message>
    <message>
        <source>&amp;Archivo</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;Nuevo	Ctrl+N</source>
        <translation>&amp;New	Ctrl+N</translation>
    </message>
    <message>
        <source>&amp;Abrir..	Ctrl+A</source>
        <translation>&amp;Open..	Ctrl+O</translation>
    </message>
    <message>
        <source>&amp;Guardar	Ctrl+G</source>
        <translation>&amp;Save	Ctrl+S</translation>
    </message>
    <message>
        <source>Guardar c&amp;omo</source>
        <translation>Save &amp;As</translation>
    </message>
    <message>
        <source>&amp;Cargar curso</source>
        <translation>&amp;Load course</translation>
    </message>
    <message>
        <source>&amp;Informe de evaluación</source>
        <translation>Evaluation &amp;report</translation>
    </message>
    <message>
        <source>&amp;Salir</source>
        <translation>E&amp;xit</translation>
    </message>
    <message>
        <source>&amp;Ver</source>
        <translation>&amp;View</translation>
    </message>
    <message>
        <source>Barra de &amp;herramientas</source>
        <translation>&amp;Toolbar</translation>
    </message>
    <message>
        <source>Barra de &amp;estado</source>
        <translation>&amp;Status Bar</translation>
    </message>
    <message>
        <source>&amp;Configuración</source>
        <translation>&amp;Settings</translation>
    </message>
    <message>
        <source>&amp;Dedos..</source>
        <translation>&amp;Fingers..</translation>
    </message>
    <message>
        <source>Es&amp;tadística</source>
        <translation>S&amp;tatistics</translation>
    </message>
    <message>
        <source>&amp;Ejercicio</source>
        <translation>&amp;Exercise</translation>
    </message>
    <message>
        <source>&amp;Anterior</source>
        <translation>&amp;Previous</translation>
    </message>
    <message>
        <source>&amp;Siguiente</source>
        <translation>&amp;Next</translation>
    </message>
    <message>
        <source>&amp;Reempezar</source>
        <translation>&amp;Restart</translation>
    </message>
    <message>
        <source>&amp;Saltar a...</source>
        <translation>&amp;Jump to...</translation>
    </message>
    <message>
        <source>&amp;Practicar...</source>
        <translation>&amp;Practise...</translation>
    </message>
    <message>
        <source>&amp;Avance automático</source>
        <translation>&amp;Auto advance</translation>
    </message>
    <message>
        <source>&amp;Mejorar</source>
        <translation>&amp;Improve</translation>
    </message>
    <message>
        <source>Acerca de ZAV Drill &amp;Plus</source>
        <translation>About ZAV Drill &amp;Plus</translation>
    </message>
    <message>
        <source>&amp;Ayuda</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>Barra de herramientas</source>
        <translation>Toolbar</translation>
    </message>
    <message>
        <source>Barra del ejercicio</source>
        <translation>Exercise bar</translation>
    </message>
    <message>
        <source>Barra de letras</source>
        <translation>Letters bar</translation>
    </message>
    <message>
        <source>&amp;Mostrar consejos</source>
        <translation>Show &amp;tips</translation>
    </message>
    <message>
        <source>&amp;Acerca de</source>
        <translation>&amp;About</translation>
    </message>
    <message>
        <source>Sitio &amp;Internet de ZAV Type</source>
        <translation>ZAV Type &amp;Web Site</translation>
    </message>
    <message>
        <source>Crea un nuevo documento
Nuevo</source>
        <translation>Creates a new document
New</translation>
    </message>
    <message>
        <source>Abre un documento ya existente
Abrir</source>
        <translation>Opens an existing document
Open</translation>
    </message>
    <message>
        <source>Guarda el documento activo
Guardar</source>
        <translation>Saves the active document
Save</translation>
    </message>
    <message>
        <source>Crea un informe de evaluación</source>
        <translation>Creates an evaluation report</translation>
    </message>
    <message>
        <source>Cambia la configuración de la aplicación
Configuración</source>
        <translation>Changes the application settings
Settings</translation>
    </message>
    <message>
        <source>Muestra el dedo que pulsa la siguiente letra</source>
        <translation>Shows the finger that types the next letter</translation>
    </message>
    <message>
        <source>Abre el diálogo de estadística
Estadística</source>
        <translation>Opens the statistics dialog
Statistics</translation>
    </message>
    <message>
        <source>Retrocede al ejercicio anterior
Ejercicio anterior</source>
        <translation>Goes back to the previous exercise
Previous exercise</translation>
    </message>
    <message>
        <source>Avanza al siguiente ejercicio
Siguiente ejercicio</source>
        <translation>Goes on to the next exercise
Next exercise</translation>
    </message>
    <message>
        <source>Empieza este ejercicio otra vez
Reempezar</source>
        <translation>Starts this exercise again
Restart</translation>
    </message>
    <message>
        <source>Salta a otro ejercicio
Saltar</source>
        <translation>Jumps to another exercise
Jump</translation>
    </message>
    <message>
        <source>Practica mi combinación de letras
Practicar</source>
        <translation>Practises my own letters
Practise</translation>
    </message>
    <message>
        <source>Controla el avance automático entre ejercicios
Avance automático</source>
        <translation>Controls the automatic advance between exercises
Auto advance</translation>
    </message>
    <message>
        <source>Apaga / Enciende sonidos</source>
        <translation>Sounds off / on</translation>
    </message>
    <message>
        <source>Abre la ayuda
Ayuda</source>
        <translation>Opens the help
Help</translation>
    </message>
    <message>
        <source>Drill Plus
Launch ZAV Drill Plus</source>
        <translation>Drill Plus
Launch ZAV Drill Plus</translation>
    </message>
    <message>
        <source>¡Escriba la línea de arriba en el recuadro blanco!</source>
        <translation>Type the line above in the white box!</translation>
    </message>
    <message>
        <source>CAP</source>
        <translation>CAP</translation>
    </message>
    <message>
        <source>MAY</source>
        <translation>NUM</translation>
    </message>
    <message>
        <source>Archivos HTML (*.htm *.html)</source>
        <translation>HTML files (*.htm *.html)</translation>
    </message>
    <message>
        <source>informe</source>
        <translation>report</translation>
    </message>
    <message>
        <source>No se puede escribir el informe %1.</source>
        <translation>Cannot write the report %1.</translation>
    </message>
    <message>
        <source>Muestra consejos para este ejercicio</source>
        <translation>Shows tips for this exercise</translation>
    </message>
    <message>
        <source>El archivo %1 ha cambiado en el disco desde que se abrió o se guardó por última vez.
¿Sobrescribirlo?</source>
        <translation>The file %1 has changed on disk since it was last opened or saved.
Overwrite it?</translation>
    </message>
    <message>
        <source>AUTO</source>
        <translation>AUTO</translation>
    </message>
    <message>
        <source>Esta es dónde el nombre del ejercicio corriente es Mostrado</source>
        <translation>This is where the name of the current exercise is shown</translation>
    </message>
    <message>
        <source>Historial</source>
        <translation>History</translation>
    </message>
    <message>
        <source>Velocidad</source>
        <translation>Speed</translation>
    </message>
    <message>
        <source>Precisión</source>
        <translation>Accuracy</translation>
    </message>
    <message>
        <source>¡No hay letras para practicar!
Escriba algunas letras.</source>
        <translation>There are no letters to practise!
Type some letters.</translation>
    </message>
    <message>
        <source>El carácter «%1» no se puede practicar: no existe en el juego de caracteres de los cursos.</source>
        <translation>The character “%1” cannot be practised: the courses&apos; character set lacks it.</translation>
    </message>
    <message>
        <source>Todavía no hay letras lentas: cada letra necesita al menos 20 pulsaciones en los últimos 30 días.</source>
        <translation>No slow letters yet: each letter needs at least 20 keystrokes in the last 30 days.</translation>
    </message>
    <message>
        <source>No se puede iniciar el programa %1.</source>
        <translation>Cannot start the program %1.</translation>
    </message>
    <message>
        <source>El programa de ayuda terminó antes de responder.</source>
        <translation>The help program ended before it answered.</translation>
    </message>
    <message>
        <source>El programa de ayuda no responde; deja de seguir los ejercicios.</source>
        <translation>The help program does not answer; it no longer follows the exercises.</translation>
    </message>
    <message>
        <source>La ayuda no puede seguir los ejercicios: el tutor no pudo abrir su puerto de mensajes (%1).</source>
        <translation>The help cannot follow the exercises: the tutor could not open its message port (%1).</translation>
    </message>
    <message>
        <source>Abrir</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>Guardar como</source>
        <translation>Save As</translation>
    </message>
    <message>
        <source>&amp;Sí</source>
        <translation>&amp;Yes</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;No</translation>
    </message>
    <message>
        <source>&amp;Cancelar</source>
        <translation>&amp;Cancel</translation>
    </message>
    <message>
        <source>El curso y su progreso siguen como estaban.</source>
        <translation>The course and its progress stay as they were.</translation>
    </message>
    <message>
        <source>Acerca de ZAVType</source>
        <translation>About ZAVType</translation>
    </message>
    <message>
        <source>Para recibir instrucciones y consejos, seleccione &quot;Ayuda&quot;</source>
        <translation>For instructions and tips, choose &quot;Help&quot;</translation>
    </message>
    <message>
        <source>No se puede escribir el diario de progreso %1.</source>
        <translation>The progress journal %1 cannot be written.</translation>
    </message>
    <message>
        <source>El disco está lleno: no se puede escribir el diario de progreso %1.</source>
        <translation>The disk is full: the progress journal %1 cannot be written.</translation>
    </message>
    <message>
        <source>Otro programa tiene bloqueado el diario de progreso %1.</source>
        <translation>Another program has locked the progress journal %1.</translation>
    </message>
    <message>
        <source>El diario de progreso %1 es de una versión más reciente de ZAVType y no se modifica.</source>
        <translation>The progress journal %1 is from a newer version of ZAVType and is left unchanged.</translation>
    </message>
    <message>
        <source>No se puede usar el diario de progreso %1.</source>
        <translation>The progress journal %1 cannot be used.</translation>
    </message>
    <message>
        <source>El diario de progreso %1 estaba dañado: se ha guardado aparte como %2 y se empieza uno nuevo.</source>
        <translation>The progress journal %1 was damaged: it has been set aside as %2 and a new one is started.</translation>
    </message>
    <message>
        <source>ZAVType sigue sin diario; su progreso se guarda como siempre.</source>
        <translation>ZAVType goes on without a journal; your progress is saved as always.</translation>
    </message>
</context>
<context>
    <name>zav::ui::CKeyHeatMap</name>
    <message>
        <source>Errores por cada 100 aciertos de las letras de la tecla</source>
        <translation>Errors per 100 hits of the key&apos;s letters</translation>
    </message>
    <message>
        <source>«%1»: %2 errores, %3 aciertos</source>
        <translation>“%1”: %2 errors, %3 hits</translation>
    </message>
    <message>
        <source>Tiempo por pulsación de las letras de la tecla (mediana)</source>
        <translation>Time per keystroke of the key&apos;s letters (median)</translation>
    </message>
    <message>
        <source>«%1»: %2 ms, %3 pulsaciones</source>
        <translation>“%1”: %2 ms, %3 keystrokes</translation>
    </message>
</context>
<context>
    <name>zav::ui::CKeyboardDock</name>
    <message>
        <source>Teclado</source>
        <translation>Keyboard</translation>
    </message>
    <message>
        <source>&amp;Teclado</source>
        <translation>&amp;Keyboard</translation>
    </message>
    <message>
        <source>Muestra u oculta el teclado con la tecla siguiente</source>
        <translation>Shows or hides the keyboard with the next key</translation>
    </message>
    <message>
        <source>«%1»: ninguna tecla de este teclado escribe este carácter</source>
        <translation>“%1”: no key of this keyboard types this character</translation>
    </message>
</context>
<context>
    <name>zav::ui::CProgressChart</name>
    <message>
        <source>Sin diario de progreso.</source>
        <translation>No progress journal.</translation>
    </message>
    <message>
        <source>lpm</source>
        <translation>cpm</translation>
    </message>
    <message>
        <source>% errores</source>
        <translation>% errors</translation>
    </message>
    <message>
        <source>Todavía no hay práctica en el diario.</source>
        <translation>No practice in the journal yet.</translation>
    </message>
    <message>
        <source>semanas | días</source>
        <translation>weeks | days</translation>
    </message>
    <message>
        <source>minutos al día (máx. %1)</source>
        <translation>minutes a day (max. %1)</translation>
    </message>
</context>
<context>
    <name>zav::ui::CStatsDlg</name>
    <message>
        <source>Progreso</source>
        <translation>Progress</translation>
    </message>
    <message>
        <source>Teclado</source>
        <translation>Keyboard</translation>
    </message>
</context>
<context>
    <name>zavtool</name>
    <message>
        <source>uso: zavtool check CURSO [--fingers ARCHIVO] [--help CARPETA]</source>
        <translation>usage: zavtool check COURSE [--fingers FILE] [--help FOLDER]</translation>
    </message>
    <message>
        <source>no se puede leer el curso %1</source>
        <translation>cannot read the course %1</translation>
    </message>
    <message>
        <source>no se puede leer %1</source>
        <translation>cannot read %1</translation>
    </message>
    <message>
        <source>uso: zavtool config CARPETA</source>
        <translation>usage: zavtool config FOLDER</translation>
    </message>
    <message>
        <source>uso: zavtool course CURSO</source>
        <translation>usage: zavtool course COURSE</translation>
    </message>
    <message>
        <source>falta el archivo del curso</source>
        <translation>the course file is missing</translation>
    </message>
    <message>
        <source>uso: zavtool drill [--fingers ARCHIVO] [--layout N] [--extra] [--count N] LETRAS</source>
        <translation>usage: zavtool drill [--fingers FILE] [--layout N] [--extra] [--count N] LETTERS</translation>
    </message>
    <message>
        <source>no es un número: %1</source>
        <translation>not a number: %1</translation>
    </message>
    <message>
        <source>uso: zavtool import ARCHIVO.xml SALIDA</source>
        <translation>usage: zavtool import FILE.xml OUTPUT</translation>
    </message>
    <message>
        <source>no se puede escribir %1</source>
        <translation>cannot write %1</translation>
    </message>
    <message>
        <source>uso: zavtool journal [ARCHIVO.zav] [--since AAAA-MM-DD] [--csv] [--keys] [--journal RUTA]</source>
        <translation>usage: zavtool journal [FILE.zav] [--since YYYY-MM-DD] [--csv] [--keys] [--journal PATH]</translation>
    </message>
    <message>
        <source>no hay diario en %1</source>
        <translation>no journal at %1</translation>
    </message>
    <message>
        <source>no se puede abrir el diario %1</source>
        <translation>cannot open the journal %1</translation>
    </message>
    <message>
        <source>uso: zavtool new SALIDA.zav [--config CARPETA] [--course CURSO]</source>
        <translation>usage: zavtool new OUTPUT.zav [--config FOLDER] [--course COURSE]</translation>
    </message>
    <message>
        <source>uso: zavtool pages TABLA ÍNDICE...</source>
        <translation>usage: zavtool pages TABLE INDEX...</translation>
    </message>
    <message>
        <source>no es un índice de ejercicio: %1</source>
        <translation>not an exercise index: %1</translation>
    </message>
    <message>
        <source>no se puede leer la tabla de páginas %1</source>
        <translation>cannot read the page table %1</translation>
    </message>
    <message>
        <source>uso: zavtool progress ARCHIVO.zav [--config CARPETA]</source>
        <translation>usage: zavtool progress FILE.zav [--config FOLDER]</translation>
    </message>
    <message>
        <source>uso: zavtool report ARCHIVO.zav SALIDA.html [--config CARPETA]</source>
        <translation>usage: zavtool report FILE.zav OUTPUT.html [--config FOLDER]</translation>
    </message>
    <message>
        <source>config CARPETA                 configuración efectiva de CARPETA/config.txt</source>
        <translation>config FOLDER                  effective settings of FOLDER/config.txt</translation>
    </message>
    <message>
        <source>course CURSO                   secciones y ejercicios de un curso</source>
        <translation>course COURSE                  sections and exercises of a course</translation>
    </message>
    <message>
        <source>check CURSO [--fingers ARCHIVO] [--help CARPETA]   revisa un curso</source>
        <translation>check COURSE [--fingers FILE] [--help FOLDER]   checks a course</translation>
    </message>
    <message>
        <source>import ARCHIVO.xml SALIDA       convierte un curso de KTouch</source>
        <translation>import FILE.xml OUTPUT         converts a KTouch course</translation>
    </message>
    <message>
        <source>new SALIDA.zav [--config CARPETA] [--course CURSO]   progreso de un documento nuevo</source>
        <translation>new OUTPUT.zav [--config FOLDER] [--course COURSE]   progress of a new document</translation>
    </message>
    <message>
        <source>progress ARCHIVO.zav [--config CARPETA]   un archivo de progreso y sus cifras</source>
        <translation>progress FILE.zav [--config FOLDER]   a progress file and its figures</translation>
    </message>
    <message>
        <source>drill [--fingers ARCHIVO] [--layout N] [--extra] [--count N] LETRAS   prácticas</source>
        <translation>drill [--fingers FILE] [--layout N] [--extra] [--count N] LETTERS   drills</translation>
    </message>
    <message>
        <source>report ARCHIVO.zav SALIDA.html [--config CARPETA]   informe de evaluación</source>
        <translation>report FILE.zav OUTPUT.html [--config FOLDER]   evaluation report</translation>
    </message>
    <message>
        <source>pages TABLA ÍNDICE...           página de ayuda de cada ejercicio</source>
        <translation>pages TABLE INDEX...           help page of each exercise</translation>
    </message>
    <message>
        <source>journal [ARCHIVO.zav] [--since FECHA] [--csv] [--keys] [--journal RUTA]   días o teclas</source>
        <translation>journal [FILE.zav] [--since DATE] [--csv] [--keys] [--journal PATH]   days or keys</translation>
    </message>
    <message>
        <source>uso: zavtool ORDEN [ARGUMENTOS]
ayuda de una orden: zavtool help ORDEN

órdenes:
</source>
        <translation>usage: zavtool COMMAND [ARGUMENTS]
help on a command: zavtool help COMMAND

commands:
</translation>
    </message>
    <message>
        <source>no hay ayuda de «%1» (zavtool --help lista las órdenes)</source>
        <translation>no help on &quot;%1&quot; (zavtool --help lists the commands)</translation>
    </message>
    <message>
        <source>orden desconocida «%1» (zavtool --help lista las órdenes)</source>
        <translation>unknown command &quot;%1&quot; (zavtool --help lists the commands)</translation>
    </message>
</context>
</TS>
