# French, from the English table: the game's texts for a child of 6 to 10,
# and the teacher's. A no-break space before ":", "?" and "!", as French
# writes them, so that none starts a line.
PIVOT = "en.py"
TEXTS = {
    "%1 and %2 left.": "Il reste %1 et %2.",
    "1 minute": "1 minute",
    "%n minute": ["%n minute", "%n minutes"],
    "1 second": "1 seconde",
    "%n second": ["%n seconde", "%n secondes"],
    "1 minute left.": "Il reste 1 minute.",
    "%n minute left.": ["Il reste %n minute.", "Il reste %n minutes."],
    "1 second left.": "Il reste 1 seconde.",
    "%n second left.": ["Il reste %n seconde.", "Il reste %n secondes."],
    "Time's up.": "C'est fini !",
    "shows the keypad beside the sum even without a touch screen":
        "affiche le pavé numérique à côté du calcul, même sans écran tactile",
    "opens the class's results instead of a contest":
        "ouvre les résultats de la classe au lieu d'une partie",
    "code": "code",
    "speaks this language instead of the computer's":
        "parle cette langue au lieu de celle de l'ordinateur",
    "shows this help and quits": "affiche cette aide et quitte",
    "shows the version and quits": "affiche la version et quitte",
    "An option is missing its value.": "Il manque la valeur d'une option.",
    "Unknown option: %1": "Option inconnue : %1",
    "Unexpected argument: %1": "Argument inattendu : %1",
    "Unknown language: %1. The languages are: %2.":
        "Langue inconnue : %1. Les langues sont : %2.",
    "Not a valid value for --ms-al-secondo: %1": "Valeur non valable pour --ms-al-secondo : %1",
    "Usage: corvalesta [options]\nA five-minute contest: what is a number plus 1?\n\nOptions:\n":
        "Utilisation : corvalesta [options]\nUne partie de cinq minutes : combien font un nombre plus 1 ?\n\nOptions :\n",
    "Languages: %1": "Langues : %1",
    "For the list of options: corvalesta --help": "Pour la liste des options : corvalesta --help",
    "Error: too many answers to count (overflow).":
        "Erreur : trop de réponses à compter (dépassement).",
    "What's your name?": "Comment tu t'appelles ?",
    "%1, let's see if you're a real champion!": "%1, voyons si tu es un vrai champion !",
    "What is %1 plus 1?": "Combien font %1 plus 1 ?",
    "Right! %1, you're great!": "Bravo ! %1, tu es super !",
    "Not quite! It's %1": "Pas tout à fait ! C'est %1",
    "Right answers: %1, wrong: %2, in all: %3.":
        "Bonnes réponses : %1, erreurs : %2, en tout : %3.",
    "There is no record yet.": "Il n'y a pas encore de record.",
    "1 point": "1 point",
    "%n point": ["%n point", "%n points"],
    "%1 points": "%1 points",
    "The record is %1.": "Le record est de %1.",
    "The record is %1, by %2.": "Le record est de %1, par %2.",
    "SHALL WE START A NEW CONTEST?": "ON COMMENCE UNE NOUVELLE PARTIE ?",
    "START A NEW CONTEST": "NOUVELLE PARTIE",
    "Times table up to which number?": "La table de multiplication jusqu'à quel nombre ?",
    "%1, you didn't choose, so we'll go up to 10.":
        "%1, tu n'as pas choisi, alors on va jusqu'à 10.",
    "Time's up! %1": "C'est fini ! %1",
    "Delete": "Effacer",
    "Enter": "Entrée",
    "Keypad": "Pavé numérique",
    "Big keys for the touch screen": "Grandes touches pour l'écran tactile",
    "Answer": "Réponse",
    "Next sum": "Calcul suivant",
    "Exit": "Quitter",
    "Made by the teachers": "Réalisé par les enseignants",
    "Girasole Primary School": "École primaire Girasole",
    "new": "nouveau",
    "For the girls and boys of year five": "Pour les filles et les garçons de CM2",
    "Full screen": "Plein écran",
    "Time and record": "Temps et record",
    "&Yes": "&Oui",
    "&No": "&Non",
    "OK": "OK",
    "Cancel": "Annuler",
    "Chart of the right answers": "Graphique des bonnes réponses",
    "Right answers of %1": "Bonnes réponses de %1",
    "Choose a row to see the chart": "Choisis une ligne pour voir le graphique",
    # The exported CSV header, lower case as the log's own.
    "date": "date",
    "name": "nom",
    "right": "bonnes",
    "wrong": "erreurs",
    "total": "total",
    "seconds": "secondes",
    "record": "record",
    "account": "compte",
    "Date": "Date",
    "Name": "Nom",
    "Right": "Bonnes",
    "Wrong": "Erreurs",
    "Total": "Total",
    "Time": "Durée",
    "Record": "Record",
    "Account": "Compte",
    "yes": "oui",
    "no": "non",
    "Class results": "Résultats de la classe",
    "Reading…": "Lecture…",
    "&Name:": "&Nom :",
    "Filter by name": "Filtrer par nom",
    "&Period:": "&Période :",
    "Period": "Période",
    "today": "aujourd'hui",
    "this week": "cette semaine",
    "all": "tout",
    "&Export…": "&Exporter…",
    "Export the rows shown": "Exporter les lignes affichées",
    "Contests shown": "Parties affichées",
    "The class's contests": "Les parties de la classe",
    "Table of results": "Tableau des résultats",
    "Export the results": "Exporter les résultats",
    "I cannot save the results in\n%1": "Je n'arrive pas à enregistrer les résultats dans\n%1",
    "I cannot read the results: %1": "Je n'arrive pas à lire les résultats : %1",
    "1 contest": "1 partie",
    "%n contest": ["%n partie", "%n parties"],
    "Bye, see you at the next challenge!": "Au revoir, à la prochaine partie !",
    "OK! I've saved your record, C H A M P I O N":
        "D'accord ! J'ai enregistré ton record, C H A M P I O N",
    "Number to complete": "Nombre à compléter",
    "Plus sign": "Signe plus",
    "Number to add": "Nombre à ajouter",
    "Equals sign": "Signe égal",
    "Type the answer and press Enter": "Écris le résultat et appuie sur Entrée",
    "Type the answer here and press Enter": "Écris ici le résultat et appuie sur Entrée",
    "Hidden number": "Nombre caché",
    "The game's answer": "La réponse du jeu",
    "Empty line": "Ligne vide",
    "Right answers": "Bonnes réponses",
    "Title of the right answers": "Titre des bonnes réponses",
    "This is your score. Go for the record!": "Voici ton score. En avant vers le record !",
    "Wrong answers": "Erreurs",
    "Title of the wrong answers": "Titre des erreurs",
    "All answers": "Toutes les réponses",
    "Title of all answers": "Titre de toutes les réponses",
    "Time left": "Temps restant",
    "Title of the time": "Titre du temps",
    "Click below me to set the timer": "Clique sous moi pour régler le minuteur",
    "Clock": "Horloge",
    "Player": "Joueur",
    "Title of the player's name": "Titre du nom du joueur",
    "Player's name": "Nom du joueur",
    "The record is ": "Le record est de ",
    "The record is": "Le record est de",
    "Name of the record holder": "Nom du détenteur du record",
    "with points": "avec points",
    "Record points": "Points du record",
    "&Next sum": "Calcul &suivant",
    "Go": "Go",
    "Go on to the next sum": "Passer au calcul suivant",
    "E&xit": "&Quitter",
    "Please stay a little longer, maybe you'll beat the record!":
        "Reste encore un peu, tu vas peut-être battre le record !",
    "Leave the game and save the record": "Quitter le jeu et enregistrer le record",
    "Button with no action": "Bouton sans action",
    "Ventobaldo - Counting up to 10000": "Ventobaldo - Compter jusqu'à 10000",
    "the disk is full": "le disque est plein",
    "I am not allowed to use it": "je n'ai pas le droit de l'utiliser",
    "it is read-only": "il est en lecture seule",
    "disk error": "erreur du disque",
    "another copy of the game is saving the record":
        "une autre copie du jeu est en train d'enregistrer le record",
    "it is not a folder": "ce n'est pas un dossier",
    "it is not a regular file": "ce n'est pas un fichier normal",
    "the folder is missing": "le dossier n'existe pas",
    "the file is missing": "le fichier n'existe pas",
    "too many files are open": "trop de fichiers sont ouverts",
    "out of memory": "la mémoire est pleine",
    "it has another name: it is a hard link": "il a un autre nom : c'est un lien physique",
    "the service that saves the record is not running: the computer's administrator starts "
    "it with «sudo systemctl enable --now corvalesta-record.socket»":
        "le service qui enregistre le record ne fonctionne pas : l'administrateur de "
        "l'ordinateur le démarre avec «sudo systemctl enable --now corvalesta-record.socket»",
    "the service that saves the record did not answer":
        "le service qui enregistre le record n'a pas répondu",
    "I cannot use the record's folder\n%1\n\nReason: %2":
        "Je n'arrive pas à utiliser le dossier du record\n%1\n\nRaison : %2",
    "I cannot use the record's file\n%1\n\nReason: %2":
        "Je n'arrive pas à utiliser le fichier du record\n%1\n\nRaison : %2",
    "unexpected error (code %1)": "erreur inattendue (code %1)",
    "(record folder)": "(dossier du record)",
    "the folder is not known": "le dossier n'est pas connu",
    "the name is too long": "le nom est trop long",
    # The desktop entry and the AppStream data.
    "Counting game":
        "Jeu de calcul",
    "Which number comes next? A five-minute contest for primary school":
        "Quel nombre vient après ? Une partie de cinq minutes pour l'école primaire",
    "math;numbers;addition;counting;school;children;":
        "mathématiques;nombres;addition;compter;école;enfants;",
    "Counting game for primary school":
        "Jeu de calcul pour l'école primaire",
    "Each round shows a number from 0 to 9999 and the sign «+ 1 =»: the child types the number that comes next and presses Enter. The game praises the child by name or shows the right answer, plays a sound, counts the right, wrong and total answers and colours the background anew every round.":
        "Chaque tour montre un nombre de 0 à 9999 et le signe «+ 1 =» : l'enfant écrit le nombre qui vient après et appuie sur Entrée. Le jeu le félicite par son prénom ou montre la bonne réponse, joue un son, compte les bonnes réponses, les erreurs et le total, et change la couleur du fond à chaque tour.",
    "A contest lasts five minutes. The computer's record and the name of whoever set it are kept for the next contest.":
        "Une partie dure cinq minutes. Le record de l'ordinateur et le nom de celui qui l'a établi sont gardés pour la partie suivante.",
    "For the teacher, every finished contest stays in the class's results: the «Class results» window shows date, name, right, wrong and total answers, filters by name and period, sorts by column, charts each child's progress and exports the rows to a CSV file that opens in LibreOffice Calc. With a screen reader the game says every sum and every answer; on a touch screen it shows a keypad.":
        "Pour l'enseignant, chaque partie terminée reste dans les résultats de la classe : la fenêtre «Résultats de la classe» montre la date, le nom, les bonnes réponses, les erreurs et le total, filtre par nom et par période, trie par colonne, trace les progrès de chaque enfant et exporte les lignes dans un fichier CSV qui s'ouvre avec LibreOffice Calc. Avec un lecteur d'écran, le jeu dit chaque calcul et chaque réponse ; sur un écran tactile, il montre un pavé numérique.",
    "maths":
        "mathématiques",
    "numbers":
        "nombres",
    "addition":
        "addition",
    "counting":
        "compter",
    "primary school":
        "école primaire",
    "class results":
        "résultats de la classe",
    "The service that saves the record is not answering now: your contest is kept on this computer and will be saved as soon as the service is back.":
        "Le service qui enregistre le record ne répond pas pour l'instant : ta partie est gardée sur cet ordinateur et sera enregistrée dès que le service sera de retour.",
    "Your contest is in the class's results, but it cannot count as the record: the service that saves the record did not see it start.":
        "Ta partie est dans les résultats de la classe, mais elle ne peut pas compter comme record : le service qui enregistre le record ne l'a pas vue commencer.",
    "I cannot save this contest.\n\nReason: %1":
        "Je ne peux pas enregistrer cette partie.\n\nRaison : %1",
    "it claims more seconds of play than have passed since it started":
        "elle indique plus de secondes de jeu qu'il ne s'en est écoulé depuis son début",
    "%1 contests have been played on this account today already, the most for one day":
        "%1 parties ont déjà été jouées sur ce compte aujourd'hui, le maximum pour une journée",
    "its data are not valid":
        "ses données ne sont pas valables",
    "verified":
        "vérifiée",
    "Verified":
        "Vérifiée",
    "Computer's record: %1, by %2":
        "Record de l'ordinateur : %1, par %2",
    "Computer's record: %1, by %2 (account %3)":
        "Record de l'ordinateur : %1, par %2 (compte %3)",
}
