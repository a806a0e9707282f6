# Albanian, from the English table: the game's texts for a child of 6 to 10,
# and the teacher's.
PIVOT = "en.py"
TEXTS = {
    "%1 and %2 left.": "Kanë mbetur %1 e %2.",
    "1 minute": "1 minutë",
    "%n minute": ["%n minutë", "%n minuta"],
    "1 second": "1 sekondë",
    "%n second": ["%n sekondë", "%n sekonda"],
    "1 minute left.": "Ka mbetur 1 minutë.",
    "%n minute left.": ["Ka mbetur %n minutë.", "Kanë mbetur %n minuta."],
    "1 second left.": "Ka mbetur 1 sekondë.",
    "%n second left.": ["Ka mbetur %n sekondë.", "Kanë mbetur %n sekonda."],
    "Time's up.": "Koha mbaroi.",
    "shows the keypad beside the sum even without a touch screen":
        "tregon tastierën me numra pranë llogarisë, edhe pa ekran me prekje",
    "opens the class's results instead of a contest":
        "hap rezultatet e klasës në vend të një loje",
    "code": "kodi",
    "speaks this language instead of the computer's":
        "flet këtë gjuhë në vend të gjuhës së kompjuterit",
    "shows this help and quits": "tregon këtë ndihmë dhe del",
    "shows the version and quits": "tregon versionin dhe del",
    "An option is missing its value.": "Një opsioni i mungon vlera.",
    "Unknown option: %1": "Opsion i panjohur: %1",
    "Unexpected argument: %1": "Argument i papritur: %1",
    "Unknown language: %1. The languages are: %2.":
        "Gjuhë e panjohur: %1. Gjuhët janë: %2.",
    "Not a valid value for --ms-al-secondo: %1": "Vlerë e pavlefshme për --ms-al-secondo: %1",
    "Usage: corvalesta [options]\nA five-minute contest: what is a number plus 1?\n\nOptions:\n":
        "Përdorimi: corvalesta [opsione]\nNjë lojë pesë minutëshe: sa bën një numër plus 1?\n\nOpsione:\n",
    "Languages: %1": "Gjuhët: %1",
    "For the list of options: corvalesta --help": "Për listën e opsioneve: corvalesta --help",
    "Error: too many answers to count (overflow).":
        "Gabim: shumë përgjigje për t'u numëruar (tejkalim).",
    "What's your name?": "Si e ke emrin?",
    "%1, let's see if you're a real champion!": "%1, le të shohim nëse je një kampion i vërtetë!",
    "What is %1 plus 1?": "Sa bën %1 plus 1?",
    "Right! %1, you're great!": "Saktë! %1, je shumë i zoti!",
    "Not quite! It's %1": "Jo tamam! Është %1",
    "Right answers: %1, wrong: %2, in all: %3.":
        "Përgjigje të sakta: %1, të gabuara: %2, gjithsej: %3.",
    "There is no record yet.": "Ende nuk ka rekord.",
    "1 point": "1 pikë",
    "%n point": ["%n pikë", "%n pikë"],
    "%1 points": "%1 pikë",
    "The record is %1.": "Rekordi është %1.",
    "The record is %1, by %2.": "Rekordi është %1, i %2.",
    "SHALL WE START A NEW CONTEST?": "A FILLOJMË NJË LOJË TË RE?",
    "START A NEW CONTEST": "FILLO NJË LOJË TË RE",
    "Times table up to which number?": "Tabela e shumëzimit deri në cilin numër?",
    "%1, you didn't choose, so we'll go up to 10.":
        "%1, nuk zgjodhe, prandaj shkojmë deri në 10.",
    "Time's up! %1": "Koha mbaroi! %1",
    "Delete": "Fshi",
    "Enter": "Enter",
    "Keypad": "Tastiera me numra",
    "Big keys for the touch screen": "Taste të mëdha për ekranin me prekje",
    "Answer": "Përgjigja",
    "Next sum": "Llogaria tjetër",
    "Exit": "Dil",
    "Made by the teachers": "Bërë nga mësueset dhe mësuesit",
    "Girasole Primary School": "Shkolla Fillore Girasole",
    "new": "i ri",
    "For the girls and boys of year five": "Për vajzat dhe djemtë e klasës së pestë",
    "Full screen": "Ekran i plotë",
    "Time and record": "Koha dhe rekordi",
    "&Yes": "&Po",
    "&No": "&Jo",
    "OK": "Në rregull",
    "Cancel": "Anulo",
    "Chart of the right answers": "Grafiku i përgjigjeve të sakta",
    "Right answers of %1": "Përgjigjet e sakta të %1",
    "Choose a row to see the chart": "Zgjidh një rresht për të parë grafikun",
    # The exported CSV header, lower case as the log's own.
    "date": "data",
    "name": "emri",
    "right": "të sakta",
    "wrong": "të gabuara",
    "total": "gjithsej",
    "seconds": "sekonda",
    "record": "rekord",
    "account": "llogaria",
    "Date": "Data",
    "Name": "Emri",
    "Right": "Të sakta",
    "Wrong": "Të gabuara",
    "Total": "Gjithsej",
    "Time": "Kohëzgjatja",
    "Record": "Rekord",
    "Account": "Llogaria",
    "yes": "po",
    "no": "jo",
    "Class results": "Rezultatet e klasës",
    "Reading…": "Po lexoj…",
    "&Name:": "&Emri:",
    "Filter by name": "Filtro sipas emrit",
    "&Period:": "&Periudha:",
    "Period": "Periudha",
    "today": "sot",
    "this week": "këtë javë",
    "all": "të gjitha",
    "&Export…": "&Eksporto…",
    "Export the rows shown": "Eksporto rreshtat që shihen",
    "Contests shown": "Lojërat që shihen",
    "The class's contests": "Lojërat e klasës",
    "Table of results": "Tabela e rezultateve",
    "Export the results": "Eksporto rezultatet",
    "I cannot save the results in\n%1": "Nuk mund t'i ruaj rezultatet në\n%1",
    "I cannot read the results: %1": "Nuk mund t'i lexoj rezultatet: %1",
    "1 contest": "1 lojë",
    "%n contest": ["%n lojë", "%n lojëra"],
    "Bye, see you at the next challenge!": "Mirupafshim, shihemi në sfidën tjetër!",
    "OK! I've saved your record, C H A M P I O N":
        "Në rregull! E ruajta rekordin tënd, K A M P I O N",
    "Number to complete": "Numri për t'u plotësuar",
    "Plus sign": "Shenja plus",
    "Number to add": "Numri për t'u mbledhur",
    "Equals sign": "Shenja e barazimit",
    "Type the answer and press Enter": "Shkruaj rezultatin dhe shtyp Enter",
    "Type the answer here and press Enter": "Shkruaj këtu rezultatin dhe shtyp Enter",
    "Hidden number": "Numër i fshehur",
    "The game's answer": "Përgjigja e lojës",
    "Empty line": "Rresht bosh",
    "Right answers": "Përgjigje të sakta",
    "Title of the right answers": "Titulli i përgjigjeve të sakta",
    "This is your score. Go for the record!": "Ky është rezultati yt. Përpara drejt rekordit!",
    "Wrong answers": "Përgjigje të gabuara",
    "Title of the wrong answers": "Titulli i përgjigjeve të gabuara",
    "All answers": "Të gjitha përgjigjet",
    "Title of all answers": "Titulli i të gjitha përgjigjeve",
    "Time left": "Koha e mbetur",
    "Title of the time": "Titulli i kohës",
    "Click below me to set the timer": "Kliko poshtë meje për të vendosur kohëmatësin",
    "Clock": "Ora",
    "Player": "Lojtari",
    "Title of the player's name": "Titulli i emrit të lojtarit",
    "Player's name": "Emri i lojtarit",
    "The record is ": "Rekordi është ",
    "The record is": "Rekordi është",
    "Name of the record holder": "Emri i mbajtësit të rekordit",
    "with points": "me pikë",
    "Record points": "Pikët e rekordit",
    "&Next sum": "Llogaria &tjetër",
    "Go": "Hajde",
    "Go on to the next sum": "Kalo te llogaria tjetër",
    "E&xit": "&Dil",
    "Please stay a little longer, maybe you'll beat the record!":
        "Qëndro edhe pak, ndoshta e thyen rekordin!",
    "Leave the game and save the record": "Dil nga loja dhe ruaj rekordin",
    "Button with no action": "Buton pa veprim",
    "Ventobaldo - Counting up to 10000": "Ventobaldo - Numërojmë deri në 10000",
    "the disk is full": "disku është plot",
    "I am not allowed to use it": "nuk kam leje ta përdor",
    "it is read-only": "është vetëm për lexim",
    "disk error": "gabim i diskut",
    "another copy of the game is saving the record":
        "një kopje tjetër e lojës po e ruan rekordin",
    "it is not a folder": "nuk është dosje",
    "it is not a regular file": "nuk është skedar i zakonshëm",
    "the folder is missing": "dosja mungon",
    "the file is missing": "skedari mungon",
    "too many files are open": "ka shumë skedarë të hapur",
    "out of memory": "memoria mbaroi",
    "it has another name: it is a hard link": "ka një emër tjetër: është lidhje e fortë",
    "the service that saves the record is not running: the computer's administrator starts "
    "it with «sudo systemctl enable --now corvalesta-record.socket»":
        "shërbimi që ruan rekordin nuk po punon: administratori i kompjuterit e nis me "
        "«sudo systemctl enable --now corvalesta-record.socket»",
    "the service that saves the record did not answer":
        "shërbimi që ruan rekordin nuk u përgjigj",
    "I cannot use the record's folder\n%1\n\nReason: %2":
        "Nuk mund ta përdor dosjen e rekordit\n%1\n\nArsyeja: %2",
    "I cannot use the record's file\n%1\n\nReason: %2":
        "Nuk mund ta përdor skedarin e rekordit\n%1\n\nArsyeja: %2",
    "unexpected error (code %1)": "gabim i papritur (kodi %1)",
    "(record folder)": "(dosja e rekordit)",
    "the folder is not known": "dosja nuk dihet",
    "the name is too long": "emri është shumë i gjatë",
    # The desktop entry and the AppStream data.
    "Counting game":
        "Lojë llogaritjeje",
    "Which number comes next? A five-minute contest for primary school":
        "Cili numër vjen pas? Një lojë pesë minutëshe për shkollën fillore",
    "math;numbers;addition;counting;school;children;":
        "matematikë;numra;mbledhje;numërim;shkollë;fëmijë;",
    "Counting game for primary school":
        "Lojë llogaritjeje për shkollën fillore",
    "Each round shows a number from 0 to 9999 and the sign «+ 1 =»: the child types the number that comes next and presses Enter. The game praises the child by name or shows the right answer, plays a sound, counts the right, wrong and total answers and colours the background anew every round.":
        "Çdo raund tregon një numër nga 0 deri në 9999 dhe shenjën «+ 1 =»: fëmija shkruan numrin që vjen pas dhe shtyp Enter. Loja e lavdëron me emër ose tregon përgjigjen e saktë, lëshon një tingull, numëron përgjigjet e sakta, të gabuara dhe gjithsej dhe ngjyros sfondin ndryshe në çdo raund.",
    "A contest lasts five minutes. The computer's record and the name of whoever set it are kept for the next contest.":
        "Një lojë zgjat pesë minuta. Rekordi i kompjuterit dhe emri i atij që e vendosi ruhen për lojën tjetër.",
    "For the teacher, every finished contest stays in the class's results: the «Class results» window shows date, name, right, wrong and total answers, filters by name and period, sorts by column, charts each child's progress and exports the rows to a CSV file that opens in LibreOffice Calc. With a screen reader the game says every sum and every answer; on a touch screen it shows a keypad.":
        "Për mësuesin, çdo lojë e mbaruar mbetet në rezultatet e klasës: dritarja «Rezultatet e klasës» tregon datën, emrin, përgjigjet e sakta, të gabuara dhe gjithsej, filtron sipas emrit dhe periudhës, rendit sipas kolonës, vizaton ecurinë e çdo fëmije dhe eksporton rreshtat në një skedar CSV që hapet me LibreOffice Calc. Me një lexues ekrani loja thotë çdo llogari dhe çdo përgjigje; në një ekran me prekje tregon një tastierë me numra.",
    "maths":
        "matematikë",
    "numbers":
        "numra",
    "addition":
        "mbledhje",
    "counting":
        "numërim",
    "primary school":
        "shkollë fillore",
    "class results":
        "rezultatet e klasës",
    "The service that saves the record is not answering now: your contest is kept on this computer and will be saved as soon as the service is back.":
        "Shërbimi që ruan rekordin nuk po përgjigjet tani: loja jote ruhet në këtë kompjuter dhe do të regjistrohet sapo shërbimi të kthehet.",
    "Your contest is in the class's results, but it cannot count as the record: the service that saves the record did not see it start.":
        "Loja jote është në rezultatet e klasës, por nuk mund të vlejë si rekord: shërbimi që ruan rekordin nuk e pa fillimin e saj.",
    "I cannot save this contest.\n\nReason: %1":
        "Nuk mund ta regjistroj këtë lojë.\n\nArsyeja: %1",
    "it claims more seconds of play than have passed since it started":
        "thotë se është luajtur më shumë sekonda se sa kanë kaluar nga fillimi i saj",
    "%1 contests have been played on this account today already, the most for one day":
        "sot me këtë përdorues janë luajtur tashmë %1 lojëra, maksimumi për një ditë",
    "its data are not valid":
        "të dhënat e saj nuk janë të vlefshme",
    "verified":
        "e verifikuar",
    "Verified":
        "E verifikuar",
    "Computer's record: %1, by %2":
        "Rekordi i kompjuterit: %1, nga %2",
    "Computer's record: %1, by %2 (account %3)":
        "Rekordi i kompjuterit: %1, nga %2 (përdoruesi %3)",
}
