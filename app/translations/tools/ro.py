# Romanian, from the English table: the game's texts for a child of 6 to 10,
# and the teacher's. Plurals: one, a few (up to 19), "de" from 20.
PIVOT = "en.py"
TEXTS = {
    "%1 and %2 left.": "Mai sunt %1 și %2.",
    "1 minute": "1 minut",
    "%n minute": ["%n minut", "%n minute", "%n de minute"],
    "1 second": "1 secundă",
    "%n second": ["%n secundă", "%n secunde", "%n de secunde"],
    "1 minute left.": "Mai este 1 minut.",
    "%n minute left.": ["Mai este %n minut.", "Mai sunt %n minute.", "Mai sunt %n de minute."],
    "1 second left.": "Mai este 1 secundă.",
    "%n second left.": ["Mai este %n secundă.", "Mai sunt %n secunde.", "Mai sunt %n de secunde."],
    "Time's up.": "Timpul a expirat.",
    "shows the keypad beside the sum even without a touch screen":
        "arată tastatura numerică lângă calcul, chiar și fără ecran tactil",
    "opens the class's results instead of a contest":
        "deschide rezultatele clasei în loc de un joc",
    "code": "cod",
    "speaks this language instead of the computer's":
        "vorbește această limbă în locul celei a calculatorului",
    "shows this help and quits": "arată acest ajutor și iese",
    "shows the version and quits": "arată versiunea și iese",
    "An option is missing its value.": "Unei opțiuni îi lipsește valoarea.",
    "Unknown option: %1": "Opțiune necunoscută: %1",
    "Unexpected argument: %1": "Argument neașteptat: %1",
    "Unknown language: %1. The languages are: %2.":
        "Limbă necunoscută: %1. Limbile sunt: %2.",
    "Not a valid value for --ms-al-secondo: %1": "Valoare nevalidă pentru --ms-al-secondo: %1",
    "Usage: corvalesta [options]\nA five-minute contest: what is a number plus 1?\n\nOptions:\n":
        "Utilizare: corvalesta [opțiuni]\nUn joc de cinci minute: cât fac un număr plus 1?\n\nOpțiuni:\n",
    "Languages: %1": "Limbi: %1",
    "For the list of options: corvalesta --help": "Pentru lista opțiunilor: corvalesta --help",
    "Error: too many answers to count (overflow).":
        "Eroare: prea multe răspunsuri de numărat (depășire).",
    "What's your name?": "Cum te cheamă?",
    "%1, let's see if you're a real champion!": "%1, hai să vedem dacă ești un adevărat campion!",
    "What is %1 plus 1?": "Cât fac %1 plus 1?",
    "Right! %1, you're great!": "Corect! %1, ești grozav!",
    "Not quite! It's %1": "Nu chiar! Este %1",
    "Right answers: %1, wrong: %2, in all: %3.":
        "Răspunsuri corecte: %1, greșite: %2, în total: %3.",
    "There is no record yet.": "Încă nu există un record.",
    "1 point": "1 punct",
    "%n point": ["%n punct", "%n puncte", "%n de puncte"],
    "%1 points": "%1 puncte",
    "The record is %1.": "Recordul este de %1.",
    "The record is %1, by %2.": "Recordul este de %1, al lui %2.",
    "SHALL WE START A NEW CONTEST?": "ÎNCEPEM UN JOC NOU?",
    "START A NEW CONTEST": "ÎNCEPE UN JOC NOU",
    "Times table up to which number?": "Tabla înmulțirii până la ce număr?",
    "%1, you didn't choose, so we'll go up to 10.":
        "%1, pentru că n-ai ales, mergem până la 10.",
    "Time's up! %1": "Timpul a expirat! %1",
    "Delete": "Șterge",
    "Enter": "Enter",
    "Keypad": "Tastatură numerică",
    "Big keys for the touch screen": "Taste mari pentru ecranul tactil",
    "Answer": "Răspuns",
    "Next sum": "Calculul următor",
    "Exit": "Ieșire",
    "Made by the teachers": "Realizat de învățătoare și învățători",
    "Girasole Primary School": "Școala Primară Girasole",
    "new": "nou",
    "For the girls and boys of year five": "Pentru fetele și băieții din clasa a cincea",
    "Full screen": "Ecran complet",
    "Time and record": "Timp și record",
    "&Yes": "&Da",
    "&No": "&Nu",
    "OK": "OK",
    "Cancel": "Anulează",
    "Chart of the right answers": "Graficul răspunsurilor corecte",
    "Right answers of %1": "Răspunsurile corecte ale lui %1",
    "Choose a row to see the chart": "Alege un rând ca să vezi graficul",
    # The exported CSV header, lower case as the log's own.
    "date": "data",
    "name": "nume",
    "right": "corecte",
    "wrong": "greșite",
    "total": "total",
    "seconds": "secunde",
    "record": "record",
    "account": "cont",
    "Date": "Data",
    "Name": "Nume",
    "Right": "Corecte",
    "Wrong": "Greșite",
    "Total": "Total",
    "Time": "Durata",
    "Record": "Record",
    "Account": "Cont",
    "yes": "da",
    "no": "nu",
    "Class results": "Rezultatele clasei",
    "Reading…": "Citesc…",
    "&Name:": "&Nume:",
    "Filter by name": "Filtrează după nume",
    "&Period:": "&Perioadă:",
    "Period": "Perioadă",
    "today": "azi",
    "this week": "săptămâna aceasta",
    "all": "tot",
    "&Export…": "&Exportă…",
    "Export the rows shown": "Exportă rândurile afișate",
    "Contests shown": "Jocuri afișate",
    "The class's contests": "Jocurile clasei",
    "Table of results": "Tabelul rezultatelor",
    "Export the results": "Exportă rezultatele",
    "I cannot save the results in\n%1": "Nu pot salva rezultatele în\n%1",
    "I cannot read the results: %1": "Nu pot citi rezultatele: %1",
    "1 contest": "1 joc",
    "%n contest": ["%n joc", "%n jocuri", "%n de jocuri"],
    "Bye, see you at the next challenge!": "Pa, ne vedem la următoarea provocare!",
    "OK! I've saved your record, C H A M P I O N":
        "Gata! Ți-am salvat recordul, C A M P I O N U L E",
    "Number to complete": "Număr de completat",
    "Plus sign": "Semnul plus",
    "Number to add": "Număr de adunat",
    "Equals sign": "Semnul egal",
    "Type the answer and press Enter": "Scrie rezultatul și apasă Enter",
    "Type the answer here and press Enter": "Scrie aici rezultatul și apasă Enter",
    "Hidden number": "Număr ascuns",
    "The game's answer": "Răspunsul jocului",
    "Empty line": "Rând gol",
    "Right answers": "Răspunsuri corecte",
    "Title of the right answers": "Titlul răspunsurilor corecte",
    "This is your score. Go for the record!": "Acesta e punctajul tău. Hai după record!",
    "Wrong answers": "Răspunsuri greșite",
    "Title of the wrong answers": "Titlul răspunsurilor greșite",
    "All answers": "Toate răspunsurile",
    "Title of all answers": "Titlul tuturor răspunsurilor",
    "Time left": "Timp rămas",
    "Title of the time": "Titlul timpului",
    "Click below me to set the timer": "Apasă sub mine ca să potrivești cronometrul",
    "Clock": "Ceas",
    "Player": "Jucător",
    "Title of the player's name": "Titlul numelui jucătorului",
    "Player's name": "Numele jucătorului",
    "The record is ": "Recordul este de ",
    "The record is": "Recordul este de",
    "Name of the record holder": "Numele celui care are recordul",
    "with points": "cu puncte",
    "Record points": "Punctele recordului",
    "&Next sum": "Calculul &următor",
    "Go": "Hai",
    "Go on to the next sum": "Treci la calculul următor",
    "E&xit": "&Ieșire",
    "Please stay a little longer, maybe you'll beat the record!":
        "Mai rămâi puțin, poate bați recordul!",
    "Leave the game and save the record": "Ieși din joc și salvează recordul",
    "Button with no action": "Buton fără acțiune",
    "Ventobaldo - Counting up to 10000": "Ventobaldo - Numărăm până la 10000",
    "the disk is full": "discul este plin",
    "I am not allowed to use it": "nu am voie să îl folosesc",
    "it is read-only": "este doar pentru citire",
    "disk error": "eroare de disc",
    "another copy of the game is saving the record":
        "altă copie a jocului salvează recordul",
    "it is not a folder": "nu este un dosar",
    "it is not a regular file": "nu este un fișier obișnuit",
    "the folder is missing": "dosarul lipsește",
    "the file is missing": "fișierul lipsește",
    "too many files are open": "sunt prea multe fișiere deschise",
    "out of memory": "memoria s-a terminat",
    "it has another name: it is a hard link": "are alt nume: este o legătură fizică",
    "the service that saves the record is not running: the computer's administrator starts "
    "it with «sudo systemctl enable --now corvalesta-record.socket»":
        "serviciul care salvează recordul nu funcționează: cine administrează calculatorul îl "
        "pornește cu «sudo systemctl enable --now corvalesta-record.socket»",
    "the service that saves the record did not answer":
        "serviciul care salvează recordul nu a răspuns",
    "I cannot use the record's folder\n%1\n\nReason: %2":
        "Nu pot folosi dosarul recordului\n%1\n\nMotiv: %2",
    "I cannot use the record's file\n%1\n\nReason: %2":
        "Nu pot folosi fișierul recordului\n%1\n\nMotiv: %2",
    "unexpected error (code %1)": "eroare neașteptată (cod %1)",
    "(record folder)": "(dosarul recordului)",
    "the folder is not known": "dosarul nu este cunoscut",
    "the name is too long": "numele este prea lung",
    # The desktop entry and the AppStream data.
    "Counting game":
        "Joc de calcul",
    "Which number comes next? A five-minute contest for primary school":
        "Ce număr vine după? Un joc de cinci minute pentru școala primară",
    "math;numbers;addition;counting;school;children;":
        "matematică;numere;adunare;numărare;școală;copii;",
    "Counting game for primary school":
        "Joc de calcul pentru școala primară",
    "Each round shows a number from 0 to 9999 and the sign «+ 1 =»: the child types the number that comes next and presses Enter. The game praises the child by name or shows the right answer, plays a sound, counts the right, wrong and total answers and colours the background anew every round.":
        "Fiecare tură arată un număr de la 0 la 9999 și semnul «+ 1 =»: copilul scrie numărul care vine după și apasă Enter. Jocul îl laudă pe nume sau arată răspunsul corect, scoate un sunet, numără răspunsurile corecte, greșite și totale și colorează fundalul din nou la fiecare tură.",
    "A contest lasts five minutes. The computer's record and the name of whoever set it are kept for the next contest.":
        "Un joc durează cinci minute. Recordul calculatorului și numele celui care l-a stabilit rămân salvate pentru jocul următor.",
    "For the teacher, every finished contest stays in the class's results: the «Class results» window shows date, name, right, wrong and total answers, filters by name and period, sorts by column, charts each child's progress and exports the rows to a CSV file that opens in LibreOffice Calc. With a screen reader the game says every sum and every answer; on a touch screen it shows a keypad.":
        "Pentru învățător, fiecare joc terminat rămâne în rezultatele clasei: fereastra «Rezultatele clasei» arată data, numele, răspunsurile corecte, greșite și totale, filtrează după nume și perioadă, sortează după coloană, desenează progresul fiecărui copil și exportă rândurile într-un fișier CSV care se deschide cu LibreOffice Calc. Cu un cititor de ecran, jocul spune fiecare calcul și fiecare răspuns; pe un ecran tactil arată o tastatură numerică.",
    "maths":
        "matematică",
    "numbers":
        "numere",
    "addition":
        "adunare",
    "counting":
        "numărare",
    "primary school":
        "școală primară",
    "class results":
        "rezultatele clasei",
    "The service that saves the record is not answering now: your contest is kept on this computer and will be saved as soon as the service is back.":
        "Serviciul care salvează recordul nu răspunde acum: jocul tău este păstrat pe acest calculator și va fi salvat imediat ce serviciul revine.",
    "Your contest is in the class's results, but it cannot count as the record: the service that saves the record did not see it start.":
        "Jocul tău este în rezultatele clasei, dar nu poate conta ca record: serviciul care salvează recordul nu i-a văzut începutul.",
    "I cannot save this contest.\n\nReason: %1":
        "Nu pot salva acest joc.\n\nMotiv: %1",
    "it claims more seconds of play than have passed since it started":
        "spune că a jucat mai multe secunde decât au trecut de la începutul lui",
    "%1 contests have been played on this account today already, the most for one day":
        "astăzi s-au jucat deja %1 jocuri cu acest utilizator, maximul pentru o zi",
    "its data are not valid":
        "datele lui nu sunt valide",
    "verified":
        "verificat",
    "Verified":
        "Verificat",
    "Computer's record: %1, by %2":
        "Recordul calculatorului: %1, al lui %2",
    "Computer's record: %1, by %2 (account %3)":
        "Recordul calculatorului: %1, al lui %2 (utilizator %3)",
}
