# Spanish, from the English table: the game's texts for a child of 6 to 10,
# and the teacher's.
PIVOT = "en.py"
TEXTS = {
    "%1 and %2 left.": "Quedan %1 y %2.",
    "1 minute": "1 minuto",
    "%n minute": ["%n minuto", "%n minutos"],
    "1 second": "1 segundo",
    "%n second": ["%n segundo", "%n segundos"],
    "1 minute left.": "Queda 1 minuto.",
    "%n minute left.": ["Queda %n minuto.", "Quedan %n minutos."],
    "1 second left.": "Queda 1 segundo.",
    "%n second left.": ["Queda %n segundo.", "Quedan %n segundos."],
    "Time's up.": "Se acabó el tiempo.",
    "shows the keypad beside the sum even without a touch screen":
        "muestra el teclado numérico junto a la cuenta, aunque no haya pantalla táctil",
    "opens the class's results instead of a contest":
        "abre los resultados de la clase en lugar de una partida",
    "code": "código",
    "speaks this language instead of the computer's":
        "habla este idioma en lugar del del ordenador",
    "shows this help and quits": "muestra esta ayuda y sale",
    "shows the version and quits": "muestra la versión y sale",
    "An option is missing its value.": "A una opción le falta su valor.",
    "Unknown option: %1": "Opción desconocida: %1",
    "Unexpected argument: %1": "Argumento inesperado: %1",
    "Unknown language: %1. The languages are: %2.":
        "Idioma desconocido: %1. Los idiomas son: %2.",
    "Not a valid value for --ms-al-secondo: %1": "Valor no válido para --ms-al-secondo: %1",
    "Usage: corvalesta [options]\nA five-minute contest: what is a number plus 1?\n\nOptions:\n":
        "Uso: corvalesta [opciones]\nUna partida de cinco minutos: ¿cuánto es un número más 1?\n\nOpciones:\n",
    "Languages: %1": "Idiomas: %1",
    "For the list of options: corvalesta --help": "Para ver la lista de opciones: corvalesta --help",
    "Error: too many answers to count (overflow).":
        "Error: demasiadas respuestas para contar (desbordamiento).",
    "What's your name?": "¿Cómo te llamas?",
    "%1, let's see if you're a real champion!": "¡%1, vamos a ver si eres un verdadero campeón!",
    "What is %1 plus 1?": "¿Cuánto es %1 más 1?",
    "Right! %1, you're great!": "¡Muy bien! ¡%1, eres genial!",
    "Not quite! It's %1": "¡Casi! Es %1",
    "Right answers: %1, wrong: %2, in all: %3.":
        "Respuestas correctas: %1, incorrectas: %2, en total: %3.",
    "There is no record yet.": "Todavía no hay récord.",
    "1 point": "1 punto",
    "%n point": ["%n punto", "%n puntos"],
    "%1 points": "%1 puntos",
    "The record is %1.": "El récord es de %1.",
    "The record is %1, by %2.": "El récord es de %1, de %2.",
    "SHALL WE START A NEW CONTEST?": "¿EMPEZAMOS UNA PARTIDA NUEVA?",
    "START A NEW CONTEST": "EMPEZAR UNA PARTIDA NUEVA",
    "Times table up to which number?": "¿La tabla de multiplicar hasta qué número?",
    "%1, you didn't choose, so we'll go up to 10.":
        "%1, como no has elegido, llegamos hasta el 10.",
    "Time's up! %1": "¡Se acabó el tiempo! %1",
    "Delete": "Borrar",
    "Enter": "Intro",
    "Keypad": "Teclado numérico",
    "Big keys for the touch screen": "Teclas grandes para la pantalla táctil",
    "Answer": "Respuesta",
    "Next sum": "Siguiente cuenta",
    "Exit": "Salir",
    "Made by the teachers": "Hecho por las maestras y los maestros",
    "Girasole Primary School": "Escuela Primaria Girasole",
    "new": "nuevo",
    "For the girls and boys of year five": "Para las niñas y los niños de quinto",
    "Full screen": "Pantalla completa",
    "Time and record": "Tiempo y récord",
    "&Yes": "&Sí",
    "&No": "&No",
    "OK": "Aceptar",
    "Cancel": "Cancelar",
    "Chart of the right answers": "Gráfico de las respuestas correctas",
    "Right answers of %1": "Respuestas correctas de %1",
    "Choose a row to see the chart": "Elige una fila para ver el gráfico",
    # The exported CSV header, lower case as the log's own.
    "date": "fecha",
    "name": "nombre",
    "right": "correctas",
    "wrong": "incorrectas",
    "total": "total",
    "seconds": "segundos",
    "record": "récord",
    "account": "usuario",
    "Date": "Fecha",
    "Name": "Nombre",
    "Right": "Correctas",
    "Wrong": "Incorrectas",
    "Total": "Total",
    "Time": "Duración",
    "Record": "Récord",
    "Account": "Usuario",
    "yes": "sí",
    "no": "no",
    "Class results": "Resultados de la clase",
    "Reading…": "Leyendo…",
    "&Name:": "&Nombre:",
    "Filter by name": "Filtrar por nombre",
    "&Period:": "&Periodo:",
    "Period": "Periodo",
    "today": "hoy",
    "this week": "esta semana",
    "all": "todo",
    "&Export…": "&Exportar…",
    "Export the rows shown": "Exportar las filas que se ven",
    "Contests shown": "Partidas mostradas",
    "The class's contests": "Las partidas de la clase",
    "Table of results": "Tabla de resultados",
    "Export the results": "Exportar los resultados",
    "I cannot save the results in\n%1": "No puedo guardar los resultados en\n%1",
    "I cannot read the results: %1": "No puedo leer los resultados: %1",
    "1 contest": "1 partida",
    "%n contest": ["%n partida", "%n partidas"],
    "Bye, see you at the next challenge!": "¡Adiós, hasta el próximo desafío!",
    "OK! I've saved your record, C H A M P I O N":
        "¡Vale! He guardado tu récord, C A M P E Ó N",
    "Number to complete": "Número que completar",
    "Plus sign": "Signo más",
    "Number to add": "Número que sumar",
    "Equals sign": "Signo igual",
    "Type the answer and press Enter": "Escribe el resultado y pulsa Intro",
    "Type the answer here and press Enter": "Escribe aquí el resultado y pulsa Intro",
    "Hidden number": "Número escondido",
    "The game's answer": "La respuesta del juego",
    "Empty line": "Línea vacía",
    "Right answers": "Respuestas correctas",
    "Title of the right answers": "Título de las respuestas correctas",
    "This is your score. Go for the record!": "Esta es tu puntuación. ¡A por el récord!",
    "Wrong answers": "Respuestas incorrectas",
    "Title of the wrong answers": "Título de las respuestas incorrectas",
    "All answers": "Todas las respuestas",
    "Title of all answers": "Título de todas las respuestas",
    "Time left": "Tiempo restante",
    "Title of the time": "Título del tiempo",
    "Click below me to set the timer": "Haz clic debajo de mí para poner el temporizador",
    "Clock": "Reloj",
    "Player": "Jugador",
    "Title of the player's name": "Título del nombre del jugador",
    "Player's name": "Nombre del jugador",
    "The record is ": "El récord es de ",
    "The record is": "El récord es de",
    "Name of the record holder": "Nombre de quien tiene el récord",
    "with points": "con puntos",
    "Record points": "Puntos del récord",
    "&Next sum": "&Siguiente cuenta",
    "Go": "Vamos",
    "Go on to the next sum": "Pasar a la siguiente cuenta",
    "E&xit": "&Salir",
    "Please stay a little longer, maybe you'll beat the record!":
        "Quédate un poco más, ¡a lo mejor bates el récord!",
    "Leave the game and save the record": "Salir del juego y guardar el récord",
    "Button with no action": "Botón sin acción",
    "Ventobaldo - Counting up to 10000": "Ventobaldo - Contar hasta 10000",
    "the disk is full": "el disco está lleno",
    "I am not allowed to use it": "no tengo permiso para usarlo",
    "it is read-only": "es de solo lectura",
    "disk error": "error del disco",
    "another copy of the game is saving the record":
        "otra copia del juego está guardando el récord",
    "it is not a folder": "no es una carpeta",
    "it is not a regular file": "no es un archivo normal",
    "the folder is missing": "la carpeta no existe",
    "the file is missing": "el archivo no existe",
    "too many files are open": "hay demasiados archivos abiertos",
    "out of memory": "no queda memoria",
    "it has another name: it is a hard link": "tiene otro nombre: es un enlace duro",
    "the service that saves the record is not running: the computer's administrator starts "
    "it with «sudo systemctl enable --now corvalesta-record.socket»":
        "el servicio que guarda el récord no está en marcha: quien administra el ordenador lo "
        "inicia con «sudo systemctl enable --now corvalesta-record.socket»",
    "the service that saves the record did not answer":
        "el servicio que guarda el récord no ha respondido",
    "I cannot use the record's folder\n%1\n\nReason: %2":
        "No puedo usar la carpeta del récord\n%1\n\nMotivo: %2",
    "I cannot use the record's file\n%1\n\nReason: %2":
        "No puedo usar el archivo del récord\n%1\n\nMotivo: %2",
    "unexpected error (code %1)": "error inesperado (código %1)",
    "(record folder)": "(carpeta del récord)",
    "the folder is not known": "no se conoce la carpeta",
    "the name is too long": "el nombre es demasiado largo",
    # The desktop entry and the AppStream data.
    "Counting game":
        "Juego de cálculo",
    "Which number comes next? A five-minute contest for primary school":
        "¿Qué número viene después? Una partida de cinco minutos para primaria",
    "math;numbers;addition;counting;school;children;":
        "matemáticas;números;suma;contar;escuela;niños;",
    "Counting game for primary school":
        "Juego de cálculo para primaria",
    "Each round shows a number from 0 to 9999 and the sign «+ 1 =»: the child types the number that comes next and presses Enter. The game praises the child by name or shows the right answer, plays a sound, counts the right, wrong and total answers and colours the background anew every round.":
        "Cada turno muestra un número del 0 al 9999 y el signo «+ 1 =»: el niño escribe el número que viene después y pulsa Intro. El juego lo felicita por su nombre o muestra la respuesta correcta, hace un sonido, cuenta las respuestas correctas, incorrectas y totales y cambia el color del fondo en cada turno.",
    "A contest lasts five minutes. The computer's record and the name of whoever set it are kept for the next contest.":
        "Una partida dura cinco minutos. El récord del ordenador y el nombre de quien lo consiguió se guardan para la partida siguiente.",
    "For the teacher, every finished contest stays in the class's results: the «Class results» window shows date, name, right, wrong and total answers, filters by name and period, sorts by column, charts each child's progress and exports the rows to a CSV file that opens in LibreOffice Calc. With a screen reader the game says every sum and every answer; on a touch screen it shows a keypad.":
        "Para el maestro, cada partida terminada queda en los resultados de la clase: la ventana «Resultados de la clase» muestra fecha, nombre, respuestas correctas, incorrectas y totales, filtra por nombre y por periodo, ordena por columna, dibuja el progreso de cada niño y exporta las filas a un archivo CSV que se abre con LibreOffice Calc. Con un lector de pantalla el juego dice cada cuenta y cada respuesta; en una pantalla táctil muestra un teclado numérico.",
    "maths":
        "matemáticas",
    "numbers":
        "números",
    "addition":
        "suma",
    "counting":
        "contar",
    "primary school":
        "escuela primaria",
    "class results":
        "resultados de la clase",
    "The service that saves the record is not answering now: your contest is kept on this computer and will be saved as soon as the service is back.":
        "El servicio que guarda el récord no responde ahora: tu partida se conserva en este ordenador y se guardará en cuanto el servicio vuelva.",
    "Your contest is in the class's results, but it cannot count as the record: the service that saves the record did not see it start.":
        "Tu partida está en los resultados de la clase, pero no puede valer como récord: el servicio que guarda el récord no vio su comienzo.",
    "I cannot save this contest.\n\nReason: %1":
        "No puedo guardar esta partida.\n\nMotivo: %1",
    "it claims more seconds of play than have passed since it started":
        "dice haber jugado más segundos de los que han pasado desde su comienzo",
    "%1 contests have been played on this account today already, the most for one day":
        "hoy ya se han jugado %1 partidas con este usuario, el máximo para un día",
    "its data are not valid":
        "sus datos no son válidos",
    "verified":
        "verificada",
    "Verified":
        "Verificada",
    "Computer's record: %1, by %2":
        "Récord del ordenador: %1, de %2",
    "Computer's record: %1, by %2 (account %3)":
        "Récord del ordenador: %1, de %2 (usuario %3)",
}
