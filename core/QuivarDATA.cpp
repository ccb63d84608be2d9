#include "QuivarDATA.h"

// Our own Dutch writing for this program. Stored as UTF-8 source; only ASCII and è é ë ï occur.

const std::array<QStringView, 576> OracleTexts = {
    // Titles
    u"HET SCHEPPENDE", // 1
    u"HET ONTVANGENDE", // 2
    u"AANVANGSPROBLEMEN", // 3
    u"ONERVARENHEID", // 4
    u"HET WACHTEN", // 5
    u"HET CONFLICT", // 6
    u"VERZAMELDE KRACHT", // 7
    u"VERENIGING", // 8
    u"KLEINE VRUCHTBAARHEID", // 9
    u"HET OPTREDEN", // 10
    u"DE VREDE", // 11
    u"DE WANKLANK", // 12
    u"SAAMHORIGHEID", // 13
    u"OVERVLOED", // 14
    u"DE BESCHEIDENHEID", // 15
    u"DE GEESTDRIFT", // 16
    u"DE NAVOLGING", // 17
    u"HET HERSTELLEN", // 18
    u"DE TOENADERING", // 19
    u"DE BESCHOUWING", // 20
    u"HET DOORBIJTEN", // 21
    u"DE BEKOORLIJKHEID", // 22
    u"DE VERSPLINTERING", // 23
    u"HET KEERPUNT", // 24
    u"DE ONSCHULD", // 25
    u"DE TEMMENDE KRACHT", // 26
    u"DE VOEDING", // 27
    u"OVERDAAD IN HET GROTE", // 28
    u"HET ONPEILBARE", // 29
    u"HET ZICH-HECHTENDE", // 30
    u"DE AANTREKKING", // 31
    u"DE DUURZAAMHEID", // 32
    u"DE AFZIJDIGHEID", // 33
    u"MACHT VAN HET GROTE", // 34
    u"DE VOORUITGANG", // 35
    u"DE VERDUISTERING", // 36
    u"HET GEZIN (DE CLAN)", // 37
    u"DE TEGENSTELLING", // 38
    u"DE HINDERNIS", // 39
    u"DE BEVRIJDING", // 40
    u"DE VERMINDERING", // 41
    u"DE VERMEERDERING", // 42
    u"DE VASTBERADENHEID", // 43
    u"HET TEGEMOETKOMEN", // 44
    u"HET VERZAMELEN", // 45
    u"HET OMHOOGDRINGEN", // 46
    u"DE BENAUWENIS", // 47
    u"DE BRON", // 48
    u"DE OMWENTELING", // 49
    u"KOSMISCHE ORDE", // 50
    u"HET OPWINDENDE", // 51
    u"HET STILHOUDEN", // 52
    u"DE ONTWIKKELING", // 53
    u"BETAMELIJKHEID", // 54
    u"DE VOLHEID", // 55
    u"DE ZWERVER", // 56
    u"HET ZACHTMOEDIGE", // 57
    u"HET BLIJMOEDIGE", // 58
    u"DE OPLOSSING", // 59
    u"DE BEPERKING", // 60
    u"INNERLIJKE WAARHEID", // 61
    u"BEPERKTE INVLOED", // 62
    u"NA DE VOLTOOIING", // 63
    u"VOOR DE VOLEINDING", // 64

    // Process texts
    u"De hemel draait onvermoeibaar door, dag na dag, en die stuwing zet ook jou in beweging.", // 1
    u"De aarde draagt wat erop groeit en vraagt niets terug. Wie volgt waar een ander leidt, ziet het zaad rijpen.", // 2
    u"Een spruit wringt zich door harde grond, en alles is nog warrig, maar vol leven.", // 3
    u"Onder aan de berg zoekt een jonge bron haar bedding, zoals een leerling zijn weg.", // 4
    u"Wolken pakken zich samen boven het droge land, maar er valt nog geen druppel. De regen kiest zijn eigen uur.", // 5
    u"Hemel en water lopen elk een andere kant op, en daartussen groeit een geschil.", // 6
    u"In de grond stroomt water dat niemand ziet, zoals in een volk een macht schuilt die wacht op orde.", // 7
    u"Water op de aarde vloeit naar de laagste plek en komt daar samen, zoals mensen rond een vast midden.", // 8
    u"Een bries drijft zware wolken langs de hemel: het zachte remt het sterke, nog zonder regen.", // 9
    u"Je loopt vlak achter een tijger, en alleen met hoffelijkheid en een lichte tred kom je erlangs.", // 10
    u"De hemel buigt naar de aarde en de aarde reikt omhoog, en waar ze elkaar raken, gedijt alles.", // 11
    u"Hemel en aarde keren elkaar de rug toe, en kleine geesten voeren het hoogste woord.", // 12
    u"Een vuur onder de open hemel trekt mensen aan die geen bloed delen, maar wel een doel.", // 13
    u"De zon staat in het zenit en zet alles in het licht. Zoveel bezit vraagt om een helder hoofd.", // 14
    u"Een berg onder de aarde verheft zich niet: zo komen hoogten en laagten in evenwicht.", // 15
    u"Donder dreunt uit de aarde omhoog, en de geestdrift die volgt, zet het hele land in beweging.", // 16
    u"De donder trekt zich 's avonds terug in het meer. Ook een leider moet zich soms laten leiden.", // 17
    u"In een afgesloten schaal gaat het voedsel rotten. Wat verwaarloosd werd, moet grondig worden hersteld.", // 18
    u"De oever buigt naar het meer en het voorjaar nadert. Ook deze gunstige periode draait eens om.", // 19
    u"De wind strijkt over het land en raakt elk grassprietje. Wie stil rondkijkt, merkt dat hij zelf ook gezien wordt.", // 20
    u"Iets hards zit tussen boven- en onderkaak, en pas als je erdoorheen bijt, sluit de mond.", // 21
    u"Vuur aan de voet van de berg zet de rotsen in een warme gloed. Schoonheid siert, maar draagt niets.", // 22
    u"De berg staat op smalle grond en brokkelt van onderen af, tot wat geen fundament heeft instort.", // 23
    u"Diep in de aarde roert de donder zich weer. Na de langste nacht keert het licht terug, eerst nog zwak.", // 24
    u"Onder de hemel rolt de donder, en alles beweegt zonder plan of list. Wat uit zichzelf handelt, klopt.", // 25
    u"Binnen in de berg ligt de hemel besloten, en zo'n opgespaarde kracht heeft tucht nodig.", // 26
    u"Tussen berg en donder gaapt een mond: wat erin gaat en wat eruit komt, vormt je.", // 27
    u"De nokbalk buigt door onder een te zware last, en gewone middelen schieten tekort.", // 28
    u"Water stort van kloof naar kloof en vult elke diepte, maar het verliest zijn aard nergens.", // 29
    u"Vuur brandt alleen zolang het hout heeft. Ook jouw licht hangt af van waar je je aan hecht.", // 30
    u"Een meer boven op de berg: wat elkaar werkelijk aantrekt, geeft en ontvangt tegelijk.", // 31
    u"Donder en wind wisselen elkaar eindeloos af: wat duurt, beweegt in een vaste baan.", // 32
    u"Waar de berg opdringt, wijkt de hemel zonder ophef; een aftocht op tijd is geen nederlaag maar beleid.", // 33
    u"Boven de hemel dreunt de donder. Echte grootte blijkt pas als die macht zich aan het rechte bindt.", // 34
    u"De zon klimt boven de vlakte zonder dat iemand haar duwt; vooruitgang volgt vanzelf op helder licht.", // 35
    u"Het licht is in de aarde weggezakt en een duistere heer regeert. Je helderheid bewaar je nu binnen, onder een gewone jas.", // 36
    u"Uit het vuur van de haard stijgt warmte die door elke kamer trekt; een gezin dat binnen klopt, straalt naar buiten.", // 37
    u"Vuur trekt omhoog, het meer zakt omlaag. In kleine dingen kun je toch samenwerken.", // 38
    u"Achter de steile berg kolkt een rivier en de pas is dicht. Omkeren is geen zwakte: bij je eigen mensen vind je de omweg.", // 39
    u"Donder en regen breken de benauwde lucht open. Daarna ruikt de aarde fris en ademt iedereen weer vrij.", // 40
    u"Minder hebben is hier geen verlies: het meer onder de berg verdampt en maakt de hellingen groen.", // 41
    u"Wanneer wie boven staat uitdeelt aan wie beneden leeft, groeit iedereen mee, zoals wind en donder elkaar opstuwen.", // 42
    u"Het meer stijgt tot de hemel en de dijk kraakt. Een misstand verdwijnt pas als hij aan het licht komt, zonder wapens.", // 43
    u"Onder de hemel waait een wind die overal binnendringt. Iets kleins komt je tegemoet en wint snel terrein.", // 44
    u"Water stroomt bijeen in een meer boven het land. Waar mensen zich verzamelen, is een middelpunt nodig dat hen bindt.", // 45
    u"Uit het zaad in de aarde duwt een boom zich omhoog, jaar na jaar, zonder haast of omweg.", // 46
    u"Het meer is leeggelopen en de bodem barst. Woorden vinden nu weinig gehoor, maar een opgewekt hart breekt niet.", // 47
    u"Een dorp kan verhuizen, de put niet: hij laaft ieder die komt, als het touw lang genoeg is.", // 48
    u"Vuur onder het meer: een van beide moet wijken. Het oude heeft zijn langste tijd gehad.", // 49
    u"Op het houtvuur staat de bronzen ketel, waarin het maal gaart dat velen voedt.", // 50
    u"Donder op donder doet het land beven. Na de schrik klinkt gelach: de lepel is je niet ontvallen.", // 51
    u"Berg rust op berg en niets beweegt; stilstaan als het moet en lopen als het kan, geeft een heldere geest.", // 52
    u"Een boom op de berg groeit langzaam maar vast, zoals de wilde gans van halte naar halte trekt.", // 53
    u"Donder boven het meer: je trouwt in bij een familie waar jij niet de eerste stem hebt.", // 54
    u"Donder en bliksem vallen samen en alles bloeit. Op het middaguur begint de zon al te dalen.", // 55
    u"Een vuur op de berg brandt nergens lang en trekt steeds verder: het lot van een reiziger.", // 56
    u"De wind waait steeds uit dezelfde hoek en buigt zo zelfs de stevigste stam.", // 57
    u"Twee meren die elkaar raken, vullen elkaar aan; gedeelde blijheid droogt niet op.", // 58
    u"Onder de lentewind dooit het ijs; wat verstard en verspreid lag, begint weer te stromen.", // 59
    u"Een meer kan maar zoveel bevatten: grenzen geven houvast, tot ze verstikken.", // 60
    u"Wind beroert het meer tot op de bodem, zoals een gemeend woord zelfs varkens en vissen bereikt.", // 61
    u"Boven de berg klinkt de donder gedempt. Een vogel die laag vliegt, vindt zijn nest.", // 62
    u"De pot hangt boven het vuur en kookt: alles staat op zijn plaats. Juist dan sluipt het verval binnen.", // 63
    u"De jonge vos is bijna aan de overkant van de rivier, maar nog niet droog aan land.", // 64

    // Advice
    u"Steek vandaag de eerste spade.", // 1
    u"Maak af wat een ander begon.", // 2
    u"Ruim één hoek van de rommel op.", // 3
    u"Stel je vraag maar één keer.", // 4
    u"Eet, slaap en werk zoals altijd.", // 5
    u"Kap de ruzie halverwege af.", // 6
    u"Leg vast wie er beslist.", // 7
    u"Schrijf je in bij een vereniging.", // 8
    u"Werk eerst de losse eindjes af.", // 9
    u"Vraag eerst toestemming.", // 10
    u"Zaai voor een latere oogst.", // 11
    u"Sla een ereplaats af.", // 12
    u"Nodig een buitenstaander uit.", // 13
    u"Betaal stil andermans rekening.", // 14
    u"Noem eerst wat een ander deed.", // 15
    u"Wijs elke helper een taak toe.", // 16
    u"Sluit de dag af zonder haast.", // 17
    u"Achterhaal waar het misging.", // 18
    u"Bel iemand die op je rekent.", // 19
    u"Was je handen voor je begint.", // 20
    u"Benoem hardop wat niet klopt.", // 21
    u"Leg een versiering af.", // 22
    u"Deel ruim uit aan wie je draagt.", // 23
    u"Gun het herstel zeven dagen.", // 24
    u"Sla eens een onbekende straat in.", // 25
    u"Neem een taak buitenshuis aan.", // 26
    u"Let een dag op wat je zegt.", // 27
    u"Leg de last op meer schouders.", // 28
    u"Doe één ding tegelijk.", // 29
    u"Verzorg iets wat van jou afhangt.", // 30
    u"Vraag de ander wat hem raakt.", // 31
    u"Kies één gewoonte voor een jaar.", // 32
    u"Een beleefd nee volstaat.", // 33
    u"Tel tot tien voor je ingrijpt.", // 34
    u"Stuur ongevraagd je werk op.", // 35
    u"Zeg minder dan je weet.", // 36
    u"Dek de tafel voor iedereen.", // 37
    u"Vraag je tegenstrever om hulp.", // 38
    u"Liever de omweg door het dal.", // 39
    u"Oude schulden mogen vervallen.", // 40
    u"Twee schaaltjes zijn genoeg.", // 41
    u"Je grote plan kan nu van start.", // 42
    u"Zet het zwart op wit.", // 43
    u"Een te mooi aanbod sla je af.", // 44
    u"Vul de voorraadkast aan.", // 45
    u"Zoek je meerdere op.", // 46
    u"Minder praten, meer doen.", // 47
    u"Haal water voor een ander.", // 48
    u"Prik een datum voor de overstap.", // 49
    u"Elk ding een vaste plek.", // 50
    u"Pak na de schrik één taak op.", // 51
    u"Doe de deur dicht en zit stil.", // 52
    u"Alleen de volgende halte telt.", // 53
    u"Vraag wat men van je verwacht.", // 54
    u"Maak af wat half klaar ligt.", // 55
    u"Als gast leer je eerst de groet.", // 56
    u"Blijft het stil, vraag nog eens.", // 57
    u"Oefen samen met een vriend.", // 58
    u"Een gedeeld maal ontdooit veel.", // 59
    u"Eén vaste regel, meer niet.", // 60
    u"Hoor beide partijen eerst aan.", // 61
    u"Een geschreven bedankje helpt.", // 62
    u"Loop de sloten nog eens na.", // 63
    u"Toets het ijs voor elke pas.", // 64

    // Line texts, line 1 (bottom) first
    // 1 HET SCHEPPENDE
    u"Onder water groeit de draak nog; houd je daden in tot hij mag opstijgen.",
    u"Een leermeester helpt je verder nu de draak zich voor het eerst laat zien.",
    u"Je zwoegt tot de avond valt en bent dan nog alert; zo ontloop je fouten.",
    u"Aarzel je boven de diepte, spring dan pas als het besluit echt van jou is.",
    u"Hoog in de lucht vliegt de draak; wie jou aanvult, vliegt met je mee.",
    u"Stijg je als draak boven de wolken uit, dan verlies je je volk uit het oog.",
    // 2 HET ONTVANGENDE
    u"Een eerste nachtvorst kondigt de winter aan, dus let op vroege tekens.",
    u"Recht van aard en ruim van blik bereik je veel, ook al zwoeg je niet.",
    u"Voor een groter doel voltooi je het werk, en de eer laat je aan een ander.",
    u"Knoop de zak met je woorden dicht, want zwijgen is nu het veiligst.",
    u"Een eenvoudig gewaad in de kleur van de aarde siert je meer dan een ereteken.",
    u"Grijp je de macht waar je volgen moest, dan wacht je een strijd vol wonden.",
    // 3 AANVANGSPROBLEMEN
    u"Stuit je al bij aanvang op weerstand, forceer dan niets en verzamel helpers.",
    u"Dit aanbod is eerlijk bedoeld maar komt te vroeg, dus je ja moet nog wachten.",
    u"Zonder gids die het bos kent, jaag je een hert na tot je verdwaald bent.",
    u"Neem de hulp aan die zich aandient en ga samen verder.",
    u"Omdat je invloed nog kort reikt, slaagt een klein plan beter dan een groot.",
    u"Hoe begrijpelijk ook, tranen om een mislukt begin brengen je niets.",
    // 4 ONERVARENHEID
    u"Als leerling heb je wat tucht nodig om te beginnen, geen ketens voor altijd.",
    u"Ben je mild voor onwetenden, dan vertrouwt men je op den duur een huis toe.",
    u"Verlies jezelf niet aan iemand die alleen indruk maakt met glans en geld.",
    u"Verstrikt in een kluwen van hersenspinsels sta je op het laatst te blozen.",
    u"Als een kind durf je te vragen, en juist daarvan leer je het meest.",
    u"Straf een dwaas niet uit woede, maar om hem en anderen schade te besparen.",
    // 5 HET WACHTEN
    u"Het onweer is nog ver; volg gewoon het ritme van elke dag.",
    u"Op de oever wordt over je geroddeld, maar het volgende tij spoelt dat weg.",
    u"Loop je ongeduldig door tot in de modder, dan lok je zelf de vijand uit.",
    u"Midden in het bloedvergieten helpt geen verzet; kruip stil uit de kuil.",
    u"Aan een gedekte tafel mag je even bijkomen, als je je doel maar niet vergeet.",
    u"Heet de vreemden welkom die onverwacht bij de kuil staan waarin je viel.",
    // 6 HET CONFLICT
    u"Zeg meteen kort wat je dwarszit, dan dooft de twist voordat hij oplaait.",
    u"Tegen deze tegenstander kun je niet op; trek je terug en spaar je dorp.",
    u"Teer op wat je al lang bezit en ding niet mee naar eer of extra verdiensten.",
    u"Je ziet in dat je zaak niet deugt, laat de strijd varen en wordt er kalm van.",
    u"Leg je zaak voor aan een rechtvaardige scheidsrechter: hij geeft je je recht.",
    u"Wat je door ruzie binnenhaalt, moet je keer op keer verdedigen.",
    // 7 VERZAMELDE KRACHT
    u"Vertrek pas als ieder zijn taak kent, want een rommelige start kost verlies.",
    u"Midden tussen je mensen en gesteund van boven krijg je de eer die je toekomt.",
    u"Laat je iedereen commanderen, dan rijdt je wagen terug met gewonden.",
    u"Wijk gerust; als veldheer kies je zelf het terrein waarop je vecht.",
    u"Het wild staat in je akker, dus grijp in, maar geef het bevel aan de oudste.",
    u"Beloon na de zege wie vocht, maar geef wie op buit uit is geen zeggenschap.",
    // 8 VERENIGING
    u"Je voegt je van harte bij de anderen en krijgt meer terug dan je hoopte.",
    u"Sluit je aan uit overtuiging, niet uit angst om buiten te staan.",
    u"Waarom schuif je aan bij mensen die niet bij je passen?",
    u"Laat ook naar buiten zien bij wie je hoort; dat schept duidelijkheid.",
    u"Eén kant laat je open, zodat wie blijft, dat uit eigen keus doet.",
    u"Je klopt pas aan als iedereen al binnen is; de grendel gaat niet meer open.",
    // 9 KLEINE VRUCHTBAARHEID
    u"Een windvlaag duwt je opzij, en je voeten vinden vanzelf je spoor terug.",
    u"Net als anderen keer je om, en samen teruglopen is geen schande.",
    u"Rijd je te hard door, dan breken de spaken en krijg je thuis ruzie.",
    u"Met een open hart rem je een sterkere af zonder dat er iemand gewond raakt.",
    u"Wat je met je buren deelt, maakt jullie samen rijker dan ieder apart.",
    u"Eindelijk regent het, dus duw niet verder: na vol neemt de maan alleen af.",
    // 10 HET OPTREDEN
    u"Vertrek in je gewone kleren en wil niets lijken; dan deert niets je.",
    u"Loop je alleen en onopvallend over het vlakke pad, dan houdt niets je tegen.",
    u"Half blind en mank stap je toch door, tot de tijger bijt.",
    u"Je staat op de staart van de tijger; alleen uiterste zorg redt je.",
    u"Je weet wat er moet gebeuren en doet het, al is het ijs onder je dun.",
    u"Kijk aan het eind van de tocht achterom: lopen je voetsporen recht?",
    // 11 DE VREDE
    u"Trek aan één grashalm en de hele pol komt mee: begin met wie bij je hoort.",
    u"Ook wie met modder aan zijn laarzen binnenkomt, krijgt bij jou een stoel.",
    u"Op elke vlakte volgt een helling: waarom zou je schrikken van de klim?",
    u"Je hoeft niet rijk te lijken om bij je buren welkom te zijn.",
    u"Hoog geplaatst verbind je je met wie lager staat, en dat brengt zegen.",
    u"De goede tijd brokkelt af als een oude muur; met geweld stut je die niet.",
    // 12 DE WANKLANK
    u"Neem bij je vertrek mee wie er net zo over denkt als jij.",
    u"Meebuigen levert wat op, maar wil je vrij blijven, verdraag dan de kou.",
    u"De schaamte over wat je naar je toe trok, is een eerste teken van inkeer.",
    u"Neem je een taak op je die groter is dan jezelf, dan haken verwanten aan.",
    u"De stilstand wijkt; bind juist nu wat je bereikte aan iets stevigs.",
    u"Na lang duwen geeft de klemmende deur krakend mee; je stapt blij naar buiten.",
    // 13 SAAMHORIGHEID
    u"Bij de poort, voor iedereen zichtbaar, begin je een kring zonder geheimen.",
    u"Trek je alleen met je eigen familie op, wie laat je dan buiten?",
    u"Je verstopt wapens in het struikgewas en loert jarenlang vergeefs.",
    u"Boven op de muur, klaar om aan te vallen, besluit je het toch niet te doen.",
    u"Eerst huil je om wat jullie scheidt, en later lach je om het weerzien.",
    u"Ver buiten de stad vind je gezelschap, maar nog geen hechte groep.",
    // 14 OVERVLOED
    u"Je rijkdom heeft je niet bedorven, en zo blijft het, zolang je de last kent.",
    u"Een stevige wagen draagt veel vracht, dus breng je bezit waar het nodig is.",
    u"Pas wanneer je rijkdom iedereen dient, wordt ze echt waardevol.",
    u"Omdat je niet met je buren in pracht wedijvert, blijft de vrede in de straat.",
    u"Je warmte lokt mensen naar je toe; je waardigheid houdt misbruik op afstand.",
    u"Als de hemel zelf je bijstaat, lukt alles; vergeet niet wie je dat dankt.",
    // 15 DE BESCHEIDENHEID
    u"Door je werk zonder ophef te doen, kom je zelfs over de brede rivier.",
    u"Dat je jezelf niet groot maakt, spreekt uit elk gebaar, ook als je zwijgt.",
    u"Je hebt veel verdiend en werkt toch gewoon door tot de klus geklaard is.",
    u"Een stille houding past je in alles, zolang je je er niet achter verschuilt.",
    u"Ook zonder ophef mag je hard ingrijpen, als het geheel schade lijdt.",
    u"Omdat je niet op de voorgrond treedt, mag je streng zijn voor je eigen huis.",
    // 16 DE GEESTDRIFT
    u"Roep je nu al hoe prachtig het wordt, dan stoot je anderen af.",
    u"Als een rots sta je te midden van de opwinding, wetend wanneer je stopt.",
    u"Blijf je omhoog kijken naar een teken van hogerhand, dan aarzel je te lang.",
    u"Het elan gaat van jou uit; twijfel niet, en vrienden stromen toe.",
    u"Iets knaagt voortdurend aan je, maar het velt je niet en scherpt je zelfs.",
    u"Ook na een roes die veel te lang duurde, kun je nog altijd omkeren.",
    // 17 DE NAVOLGING
    u"Nu wat vaststond gaat schuiven, praat je buiten de deur met wie anders denkt.",
    u"Je blijft bij de kwajongen hangen en mist de man die je verder kon helpen.",
    u"Je volgt wie ertoe doet en laat klein vermaak gaan; zo vind je wat je zocht.",
    u"Men volgt je om wat er te halen valt; toon je bedoeling, en het kaf valt af.",
    u"Wat schoon en juist is, volg je met heel je hart, en het loont ruimschoots.",
    u"Een trouwe band houdt je vast, al wil je vertrekken; dat strekt je tot eer.",
    // 18 HET HERSTELLEN
    u"Een oude familiefout ligt op je bord; met beleid krijg je hem recht.",
    u"Wat een zachte hand liet versloffen, herstel je niet met een harde.",
    u"Met te veel drift schuurt het wat, al verzet je wel degelijk werk.",
    u"Je kijkt weg van het oude bederf, dat doorwoekert tot je je ervoor schaamt.",
    u"Wat je rechtzet, levert je lof op, vooral als je er vakmensen bij haalt.",
    u"Niet alles hoef jij recht te zetten; wat in jezelf scheef zit, gaat voor.",
    // 19 DE TOENADERING
    u"Met gelijkgezinden naast je begin je aan iets beters, op het goede moment.",
    u"Alles werkt mee nu je samen optrekt, dus maak je geen zorgen over later.",
    u"Gemakzuchtig naderen levert niets op, tot je inziet dat het zo niet kan.",
    u"Je gaat de ander met open armen tegemoet en houdt niets achter.",
    u"Als wijze leider haal je knappe koppen binnen en laat je ze hun werk doen.",
    u"Al heb je het zelf niet meer nodig, je keert terug om anderen te helpen.",
    // 20 DE BESCHOUWING
    u"Als een kind kijk je naar de buitenkant, terwijl een leider dieper moet zien.",
    u"Door een kier in de deur zie je maar een strook, te smal voor een oordeel.",
    u"Kijk naar wat je eigen keuzes opleverden, en beslis dan: vooruit of terug?",
    u"Je doorziet hoe het land bestuurd wordt, en men wil je graag als raadgever.",
    u"Meet je leven aan wat je daden teweegbrengen, niet aan wat je bedoelde.",
    u"Van een afstand, vrij van eigenbelang, zie je je leven helder liggen.",
    // 21 HET DOORBIJTEN
    u"Een snelle straf voor je eerste misstap behoedt je voor erger.",
    u"Gretig bijt je door en je gaat wat te ver, al is je zaak rechtvaardig.",
    u"Een oude, bedorven kwestie ligt je zwaar op de maag, al is het geen ramp.",
    u"Het vlees is taai en vol botten, maar met volharding bijt je erdoorheen.",
    u"Het oordeel ligt bij jou, dus wees streng en billijk en besef het risico.",
    u"Wilde je nooit luisteren, dan sta je uiteindelijk met het blok om je nek.",
    // 22 DE BEKOORLIJKHEID
    u"Je slaat de aangeboden wagen af en loopt het eerste stuk gewoon zelf.",
    u"Net als een baard aan de kin beweegt je opsmuk mee met wat eronder zit.",
    u"Glans en gunst omspoelen je; pas op dat je er niet in verweekt.",
    u"Een ruiter op een wit paard komt niet roven, maar om je hand vragen.",
    u"Een schamele rol zijde volstaat als geschenk, want je meent het.",
    u"Aan het eind draag je effen wit, eenvoudiger en mooier dan alle pracht.",
    // 23 DE VERSPLINTERING
    u"Het rot zit al in de poot van je bed en is niet te stuiten; wacht stil af.",
    u"Nu splijt het bed bij de rand; zonder steun van anderen sta je zwak.",
    u"Breek met wie de boel ondermijnt, al kost het je gezelschap.",
    u"Het verval reikt tot op je huid: dit is het dieptepunt van het verlies.",
    u"Als vissen aan een snoer voegt alles zich weer, omdat je mild leiding geeft.",
    u"Aan de kale boom hangt nog één vrucht; in haar pitten ligt je nieuwe begin.",
    // 24 HET KEERPUNT
    u"Omdat je de dwaling na een paar passen al merkt, kost omkeren je niets.",
    u"Het voorbeeld van wie je voorging maakt de terugkeer licht.",
    u"Afdwalen, omkeren, weer afdwalen: het put je uit, maar elk omkeren telt.",
    u"Midden in een groep die verder trekt, draai jij als enige om, terecht.",
    u"Je kijkt jezelf recht in de ogen en keert om, zonder iets te verbloemen.",
    u"Mis je het keerpunt, dan dwaal je nog jaren rond voor je je huis terugziet.",
    // 25 DE ONSCHULD
    u"Volg je eerste ingeving, want wat argeloos begint, loopt zelden mis.",
    u"Ploeg om het ploegen, niet om de oogst; het land beloont je toch.",
    u"Een passant loopt weg met je koe, pech waar jij niets aan kon doen.",
    u"Laat je niet ompraten door het rumoer; houd vast aan wat je zeker weet.",
    u"Dit ongemak drijft vanzelf over als een bui; ga er niet aan dokteren.",
    u"Zelfs je argeloze daad valt verkeerd, want het uur is er niet naar.",
    // 26 DE TEMMENDE KRACHT
    u"Vlak voor je ligt gevaar, dus houd halt voordat je verder rijdt.",
    u"Morren helpt niet nu de assen uit je wagen zijn gehaald.",
    u"Je mag weer op pad; houd onderweg elke dag je vaardigheid bij.",
    u"Bind een plank op de hoorns van de jonge stier, dan voorkom je later schade.",
    u"Neem de wilde ever zijn drift af, dan worden zijn slagtanden ongevaarlijk.",
    u"De weg naar de hemel ligt open, en wat je zo lang opspaarde, mag nu stromen.",
    // 27 DE VOEDING
    u"Je vergeet je eigen voorraad en staart naar het bord van een ander.",
    u"Waarom bedel je om eten bij wie hoger woont, ver van je eigen pad?",
    u"Wat je nu eet, stilt geen honger maar holt je uit; keer je ervan af.",
    u"Met tijgerogen speur je terecht naar hulp om anderen te kunnen voeden.",
    u"Je staat nog niet op eigen benen, dus steek het grote water niet over.",
    u"Velen leven van wat jij geeft: besef dat gewicht en durf toch het water over.",
    // 28 OVERDAAD IN HET GROTE
    u"Leg witte biezen onder wat je neerzet, want zo'n begin vraagt zorg.",
    u"Zoals een dorre populier uitloopt aan de wortel, herleef jij door iets jongs.",
    u"Duw je koppig door terwijl de balk kraakt, dan stort het dak in.",
    u"De balk wordt gestut en houdt het, zolang je die steun niet misbruikt.",
    u"Een verdorde populier bloeit nog eens, maar zo'n late bloei brengt je weinig.",
    u"De taak trekt je kopje-onder; toch was het juist dat je eraan begon.",
    // 29 HET ONPEILBARE
    u"Raak je aan het gevaar gewend, dan glijd je ongemerkt dieper de kuil in.",
    u"Midden in de kloof mik je op een kleine winst, want alles oplossen lukt niet.",
    u"Voor en achter je gaapt diepte, dus verroer je niet tot je vaste grond voelt.",
    u"Bied wat je hebt door het raam aan, eenvoudig en zonder plichtpleging.",
    u"Het water reikt tot de rand maar loopt niet over; meer dan nodig doe je niet.",
    u"Met touwen gebonden zit je nog een hele poos tussen doornhagen vast.",
    // 30 HET ZICH-HECHTENDE
    u"Bij het ontwaken schiet je hoofd alle kanten op; zet je eerste stap bedaard.",
    u"Houd je maat, dan valt er een warm, geel licht over alles wat je aanraakt.",
    u"Zakt je zon, dan helpen zingen noch klagen; kijk kalm hoe het avond wordt.",
    u"Een strovuur geeft een tel veel licht, en daarna veeg je as bijeen.",
    u"Tranen stromen en je zucht diep, maar dat verdriet loutert en wendt het tij.",
    u"Trek ten strijde tegen de kern van het kwaad, maar spaar wie volgde.",
    // 31 DE AANTREKKING
    u"Het begint in je grote teen, en er gebeurt nog niets wat iemand ziet.",
    u"Je kuiten willen al op pad; blijf nog, want nu vertrekken brengt onheil.",
    u"Je dijen volgen blind waar een ander heen wil; wie zo meeloopt, krijgt spijt.",
    u"Met een kalm hart raak je velen, met onrust alleen je eigen vrienden.",
    u"In je stijve nek voel je weinig, en die onbewogenheid doet hier geen kwaad.",
    u"Het blijft bij je kaken en je tong, bij holle praat die niemand echt raakt.",
    // 32 DE DUURZAAMHEID
    u"Eis je bij het begin al iets blijvends, dan bouw je op zand.",
    u"Al kun je meer dan je plek vraagt, je matigt je en houdt het zo jaren vol.",
    u"Vind je de ene dag dit en de andere dag dat, wie neemt je dan nog serieus?",
    u"Hoe lang je ook jaagt op een plek zonder wild, je tas blijft leeg.",
    u"Dien je, blijf dan trouw aan de oude lijn; leid je, dan moet je soms wenden.",
    u"Altijd ben je in de weer, nooit sta je stil, en zo beklijft er niets.",
    // 33 DE AFZIJDIGHEID
    u"Achteraan in de stoet ben je kwetsbaar, dus begin nu niets nieuws.",
    u"Taai als ossenleer hecht je je aan wie vertrekt, en niemand wrikt je los.",
    u"Een aftocht die stokt, is riskant; met je helpers dicht bij je red je het.",
    u"Uit vrije wil en zonder wrok vertrek je, en dat pakt voor jou gunstig uit.",
    u"Vriendelijk maar vast neem je afscheid, en die beslistheid wordt beloond.",
    u"Opgewekt en zonder omkijken vertrek je, en alles slaagt.",
    // 34 MACHT VAN HET GROTE
    u"Alle kracht zit nog in je tenen; stormen loopt hier zeker slecht af.",
    u"Alles wijkt voor je, maar ram niet; kalm doorstappen brengt voorspoed.",
    u"Ram je als een bok door de heg, dan raken je hoorns gevaarlijk verstrikt.",
    u"De heg wijkt, je wagen draait op een stevige as en niets knaagt meer.",
    u"Zonder moeite raak je de bok in jezelf kwijt, en je mist hem niet.",
    u"Klem in de heg kun je nergens heen, tot je het toegeeft; dan keert het.",
    // 35 DE VOORUITGANG
    u"Ze wijzen je af bij je eerste poging; kalm doorgaan is dan geen fout.",
    u"Bezorgd schuifel je verder, tot een grootmoeder je onverwacht zegent.",
    u"Iedereen om je heen stemt in, en elke wroeging verdwijnt.",
    u"Als een hamster sleep je stiekem voorraad naar je hol, en dat is riskant.",
    u"Leg het kasboek van winst en verlies weg; je onderneming gedijt.",
    u"Ram alleen tegen wanorde in je eigen stad; elders sta je voor schut.",
    // 36 DE VERDUISTERING
    u"Met lage vleugels vlucht je hongerig verder, al roddelt je gastheer.",
    u"Gewond aan je dij red je anderen op een vlug paard; het geluk is met je.",
    u"De kopman van het duister vang je, maar het herstel vergt tijd.",
    u"Dicht bij de macht doorzie je het donker en pak je stil je biezen.",
    u"Speel aan het wrede hof de dwaas, maar doof je licht niet; dat loont.",
    u"De duistere heer klom tot de hemel en stort nu voor je ogen neer.",
    // 37 HET GEZIN (DE CLAN)
    u"Stel de regels bij de eerste maaltijd, en later betreur je niets.",
    u"Zonder grillen zorg je voor de pot op het vuur; zo gedijt het gezin.",
    u"Een harde toon spijt je, maar dolle pret zonder grens eindigt in schaamte.",
    u"Zuinig beheer je de voorraadkast, en het gezin wordt rijk en gelukkig.",
    u"Met liefde in plaats van angst leid je je familie, en iedereen bloeit op.",
    u"Je woord maak je waar, en dat gezag draagt je huis tot een gelukkig einde.",
    // 38 DE TEGENSTELLING
    u"Ren je weggelopen paard niet na; het vindt zelf zijn stal, zonder spijt.",
    u"In een steeg tref je toevallig je meester, en dat is geen misstap.",
    u"De ossen weigeren en je kar glijdt achteruit, toch eindigt de rit goed.",
    u"Eenzaam tref je één gelijkgezinde, en met hem is het risico te dragen.",
    u"Een vriend bijt zich door je pantser heen; loop hem gerust tegemoet.",
    u"Je spant de boog, ziet dan pas je vriend, en in de regen smelt de argwaan.",
    // 39 DE HINDERNIS
    u"Ga je verder, dan stuit je op de pas; keer je om, dan oogst je lof.",
    u"Voor je heer ploeter je van kuil naar kuil, en het ligt niet aan jou.",
    u"Voor de pas keer je om, en thuis is men blij je te zien.",
    u"Zonder reisgenoten haal je de pas niet; wacht tot ze je inhalen.",
    u"Juist nu je last het zwaarst is, snellen vrienden van alle kanten toe.",
    u"Bij een wijze aankloppen brengt je meer geluk dan de top.",
    // 40 DE BEVRIJDING
    u"Na het onweer haal je eerst adem, en niemand rekent je dat aan.",
    u"Je verjaagt drie sluwe vossen, en je rechte koers brengt voorspoed.",
    u"Als sjouwer in een koets trek je dieven aan, en wie je ziet, lacht je uit.",
    u"Schud los wie als een klit aan je hangt, en echte vrienden melden zich.",
    u"Maak jezelf los; de kwaadwilligen merken dat je het meent en druipen af.",
    u"Met één welgemikt schot haal je de havik van de muur, en alles zit mee.",
    // 41 DE VERMINDERING
    u"Met je werk af spring je een ander bij, en dat is juist, mits met mate.",
    u"Blijf bij jezelf en onderneem niets: zo geef je zonder zelf te verarmen.",
    u"Een derde paard maakt je span onrustig, maar met twee loop je in de pas.",
    u"Leg je een slechte gewoonte af, dan staat wie wegbleef blij bij je deur.",
    u"Gaven vallen je toe die niemand kan tegenhouden: een groot geluk.",
    u"Zonder iemand iets af te nemen groei je, en velen werken graag voor je.",
    // 42 DE VERMEERDERING
    u"Gesteund van boven pak je een groot werk aan, en het lukt zonder smet.",
    u"Niemand stuit wat je toestroomt; wees standvastig, dan zit het mee.",
    u"Zelfs een tegenslag verrijkt je, en met open vizier handel je onberispelijk.",
    u"Vanuit het midden geef je raad, en op jouw woord verhuist zelfs een stad.",
    u"Uit goedheid geef je zonder iets te vragen, en dat is het hoogste geluk.",
    u"Alles voor jezelf bijeengraaien levert je geen hulp op, maar een klap.",
    // 43 DE VASTBERADENHEID
    u"Vol ongeduld trappel je, maar je kunt het nog niet aan; gaan is een fout.",
    u"Waakzaam in de nacht, je wapens bij de hand, hoef je niets te vrezen.",
    u"Alleen in de regen hoor je ze mompelen, maar je bent zonder schuld.",
    u"Onrustig strompel je rond, doof voor de raad die je spijt zou besparen.",
    u"Taai onkruid wied je met vaste hand, zonder blind te hakken.",
    u"Net als je denkt dat het voorbij is, slaat het kwaad geruisloos terug.",
    // 44 HET TEGEMOETKOMEN
    u"Trap het vonkje meteen uit; in deze wind wordt het een brand.",
    u"De vis hoort in je eigen kom, niet op het bord van je gasten.",
    u"Elke stap doet pijn, maar je kent het gevaar, dus de schade blijft klein.",
    u"Je kom is leeg, want je keek neer op gewone mensen, en dat wreekt zich.",
    u"Als een meloen onder wilgenblad rijp je in stilte, en de hemel beloont je.",
    u"Je weert iedereen af met je hoorns; dat is beschamend, maar niet verkeerd.",
    // 45 HET VERZAMELEN
    u"Roep hardop als je twijfelt, en na één handdruk kun je weer lachen.",
    u"De gastheer nodigt je uit, en een handvol graan is als gave genoeg.",
    u"Zuchtend sta je aan de kant, terwijl aansluiten je hooguit wat trots kost.",
    u"Je brengt mensen samen rond een gedeelde zaak: een groot succes.",
    u"Sommigen volgen je om je positie, niet om jou; werk door tot ze je kennen.",
    u"Je huilt omdat je buiten de kring valt, en daar is niets verkeerds aan.",
    // 46 HET OMHOOGDRINGEN
    u"Je klim begint doordat men boven je op je rekent: een gelukkig begin.",
    u"Weinig breng je mee, maar je gift is gemeend en wordt gezien.",
    u"Een verlaten stad trek je binnen, en geen poort is gesloten.",
    u"Op de heilige berg mag je offeren, en die eer is je van harte gegund.",
    u"Trede voor trede klim je op, en die standvastigheid draagt vrucht.",
    u"Klim je in het donker door, dan heb je meer volharding nodig dan drift.",
    // 47 DE BENAUWENIS
    u"Onder een kale boom zit je te piekeren, en elke dag wordt het donkerder.",
    u"Eten en drinken genoeg, en toch voel je je leeg, tot iemand je uitnodigt.",
    u"Je bonkt tegen een muur die niet wijkt, en dat eindigt bitter.",
    u"In je gouden koets kom je traag en beschaamd aan, maar je komt aan.",
    u"Beknot van boven en onder, vind je langzaam uitkomst in stille toewijding.",
    u"Ranken om je enkels doen je wankelen, maar een besliste ruk maakt je vrij.",
    // 48 DE BRON
    u"Uit je verzande put drinkt niemand, zelfs de vogels niet.",
    u"Uit een gebarsten kruik lekt je water naar een paar visjes.",
    u"Schoongemaakt staat je put klaar, maar niemand drinkt, en dat doet pijn.",
    u"Je metselt de put opnieuw op; dat hij even droog staat, is geen vergrijp.",
    u"Eindelijk drinkt men van wat je te bieden hebt, fris als bronwater.",
    u"Uit de open put schept iedereen, en je water raakt nooit op.",
    // 49 DE OMWENTELING
    u"Gewikkeld in een gele koeienhuid kun je nog niets veranderen.",
    u"Je dag is gekomen; begin, en je zult het niet berouwen.",
    u"Doordrukken is nu riskant; pas na drie rondes overleg geloven ze je.",
    u"Men gelooft je, dus je mag het oude bestel omgooien, zonder spijt.",
    u"Als een tijger van vacht verander je, en niemand twijfelt aan je.",
    u"Als een panter draag je nieuwe vlekken; begin nu geen strijd meer.",
    // 50 KOSMISCHE ORDE
    u"Keer de ketel om en schud het oude vuil eruit; daar is niets mis mee.",
    u"Jaloerse blikken glijden over je volle ketel, maar krijgen er geen hap uit.",
    u"Zonder greep blijft je fazant in de ketel koud, maar na de bui keert het.",
    u"Te vol geladen breekt je ketel een poot, en het maal ligt op de vloer.",
    u"Aan de gouden ringen van je ketel tillen helpers mee: volharden loont.",
    u"Met ringen van jade, hard en toch zacht, is je ketel af en lukt je alles.",
    // 51 HET OPWINDENDE
    u"Eerst schrik je je wezenloos, dan lach je opgelucht om je angst.",
    u"Vlucht de heuvels in en vergeet je verloren bezit: het komt vanzelf terug.",
    u"Zet de schrik je in beweging in plaats van klem, dan ontspring je de dans.",
    u"De klap verzandt in de modder, en jij staat er versuft bij.",
    u"Het dondert heen en weer, gevaarlijk, maar op je post verlies je niets.",
    u"Om je heen slaat men op hol; neem afstand, ook als men erover kletst.",
    // 52 HET STILHOUDEN
    u"Nog voor de eerste stap staan je tenen stil, en dat is nooit een fout.",
    u"Terwijl je leider doorholt, staan je kuiten stil, en dat stemt je somber.",
    u"Zet je je heupen vast, dan verstijft je rug en stikt je hart bijna.",
    u"Tot in je romp word je stil, en je gedachten bedaren; zo hoort het.",
    u"Pas als je woorden op orde zijn, spreek je, en spijt blijft uit.",
    u"Diep geworden draagt je stilte je als een rots, en je bent gelukkig.",
    // 53 DE ONTWIKKELING
    u"Als jonge gans aan de waterkant krijg je kritiek, maar dat deert je niet.",
    u"Veilig op de rots eet je in vrede met de anderen, en het gaat je goed.",
    u"Vlieg je te ver over de kale vlakte, dan ben je verloren; bewaak je nest.",
    u"Met zwemvliezen op een tak zit je onwennig, tot je buigend een plek vindt.",
    u"Op de top ben je lang van je geliefde gescheiden, maar niet voorgoed.",
    u"Hoog boven de wolken vlieg je, en je veren sieren nog de dans beneden.",
    // 54 BETAMELIJKHEID
    u"Als tweede vrouw loop je mank, en toch lukken je plannen.",
    u"Met één oog zie je genoeg om je woord na te komen, ook in je eentje.",
    u"Waarom een hogere plek eisen dan je toekomt, als je zo lager belandt?",
    u"Het huwelijk stel je uit, en de late bruiloft blijkt de moeite waard.",
    u"Als bruid draag je eenvoudiger kleren dan je meid, en juist dat siert je.",
    u"Een lege mand op het bruiloftsmaal: zo'n holle vorm levert je niets op.",
    // 55 DE VOLHEID
    u"Een tijd optrekken met je gelijke levert je erkenning op.",
    u"Op het middaguur zie je sterren en wantrouwt men je, tot je hart spreekt.",
    u"In het middagduister breek je je rechterarm, en niemand rekent het je aan.",
    u"In het donker tref je een heer van jouw soort, en het wordt weer licht.",
    u"Talentvolle mensen bieden je hulp, en je goede naam groeit.",
    u"Je vult je huis met pracht en sluit het af, tot je er eenzaam zit.",
    // 56 DE ZWERVER
    u"Je pingelt in de eerste herberg om een stuiver, en de waard vergeet je niet.",
    u"In de herberg is je beurs vol en je jonge knecht je toegewijd.",
    u"De herberg brandt af en je hoogmoed kost je de knecht; nu loop je gevaar.",
    u"Onder een afdak vind je geld en een bijl, maar je hart is niet blij.",
    u"Met een enkel raak schot win je als vreemdeling lof en een plaats.",
    u"Eerst lach je, dan huil je, want achteloos verloor je je koe: een ramp.",
    // 57 HET ZACHTMOEDIGE
    u"Heen en weer geslingerd moet je kiezen zoals een soldaat: kort en beslist.",
    u"Met hulp haal je tevoorschijn wat onder het bed loert, en dat slaagt.",
    u"Steeds opnieuw beginnen kost je je gezag, en dat is pijnlijk.",
    u"Zacht maar aanhoudend jaag je, tot er wild is voor de hele tafel.",
    u"Slecht begonnen, mooi geëindigd: overweeg vooraf en kijk achteraf om.",
    u"Kruip je steeds onder het bed, dan verlies je je bijl en ben je weerloos.",
    // 58 HET BLIJMOEDIGE
    u"Aan de oever ben je tevreden met wat het meer je geeft, en dat is goed.",
    u"Helder tot op de bodem is je vreugde, en de spijt lost op.",
    u"Naar elk feest aan de overkant roei je, en dat loopt mis.",
    u"Tussen ondiep en diep aarzel je, tot je het diepe kiest en weer lacht.",
    u"Vleiers hollen je uit als golfslag een oever; ze geloven is gevaarlijk.",
    u"Glinsterend water lokt je ver van de oever; weet je nog waar je heen wilt?",
    // 59 DE OPLOSSING
    u"Op een sterk paard ben je er voor het ijs vastvriest, en dat redt de zaak.",
    u"Als alles uiteendrijft, haast je je naar je oude tafel, en wroeging wijkt.",
    u"Je zet je eigenbelang opzij, en dat hoef je nooit te betreuren.",
    u"Stap uit je eigen kliek, en er ontstaat een ruimere kring: een rijke winst.",
    u"Als zweet dat de koorts uitdrijft, lost je luide woord de verstarring op.",
    u"Je voert je mensen ver van het bloedvergieten, en niemand verwijt het je.",
    // 60 DE BEPERKING
    u"Je blijft binnen deur en erf, en daar doe je nu niets verkeerd.",
    u"De poort staat open en je aarzelt nog; blijf je thuis, dan mis je je kans.",
    u"Je kende geen maat en betaalt de prijs: wijs niet naar een ander.",
    u"Een grens die je graag draagt, zit als een goede schoen en brengt je ver.",
    u"Houd eerst zelf maat; dan smaakt je grens anderen zoet en oogst je aanzien.",
    u"Een bittere grens houd je niet vol; vier de teugels en de spijt vervliegt.",
    // 61 INNERLIJKE WAARHEID
    u"Op je eigen voorbereiding kun je bouwen; heimelijke plannen brengen onrust.",
    u"Als een kraanvogel in het riet roep je, en wie bij je hoort, antwoordt.",
    u"Hangt je stemming af van een ander, dan trommel en huil je om beurten.",
    u"Bij bijna volle maan maak je je span los en reik je hoger, zonder fout.",
    u"Omdat je hart en woord één zijn, rijgen mensen zich als kralen aan je vast.",
    u"Je kraait als een haan tot de hemel, maar vliegt niet; dat breekt je op.",
    // 62 BEPERKTE INVLOED
    u"Vlieg je uit voordat je vleugels dragen, dan stort je neer.",
    u"Niet de hoogste deur maar een lagere gaat voor je open, en dat volstaat.",
    u"Vind je voorzorg overbodig, dan word je van achteren getroffen.",
    u"Forceer niets, want verder is het gevaarlijk; wat je treft, is genoeg.",
    u"Het broeit zonder los te barsten; haal de vakman uit zijn afzondering.",
    u"Je schiet elk doel voorbij als een vogel zonder nest: ongeluk en letsel.",
    // 63 NA DE VOLTOOIING
    u"Op tijd rem je bij de oever, en die natte staart is niet erg.",
    u"Jaag het aanzien dat je verloor niet na; na zeven dagen is het er weer.",
    u"Een gewonnen veldtocht kostte jaren: geef geen macht aan prutsers.",
    u"Ook na de voltooiing springt er een lek; leg een prop klaar.",
    u"Een kom rijst die je van harte geeft, weegt meer dan een feestmaal.",
    u"Waad je door tot je kopje-onder gaat, dan breng je jezelf in levensgevaar.",
    // 64 VOOR DE VOLEINDING
    u"Te gretig plons je de rivier in, en doorweekt sta je er beschaamd bij.",
    u"Je remt de wagen bewust af, en juist die zelfbeheersing brengt geluk.",
    u"Aanvallen loopt nu mis, maar met hulp waag je de oversteek wel.",
    u"Nu mag je beslist doortasten, en drie jaar strijd wordt ruim beloond.",
    u"Je twijfel is voorbij en je licht is echt: wat je bereikt, is verdiend.",
    u"Proost gerust op wat bereikt is, maar steek je hoofd niet in de beker.",
};

const std::array<QStringView, 8> HouseWordTable = {
    u"Uitdaging", u"Ontwikkeling", u"Ontwaken", u"Voorspoed",
    u"Tegenspoed", u"Intensiteit", u"Vastberadenheid", u"Ontsnapping",
};

static QString entry(int index, bool inRange)
{
    return inRange ? OracleTexts[std::size_t(index)].toString() : QString();
}

QString Title(int n) { return entry(n - 1, n >= 1 && n <= 64); }
QString ProcessText(int n) { return entry(64 + n - 1, n >= 1 && n <= 64); }
QString AdviceText(int n) { return entry(128 + n - 1, n >= 1 && n <= 64); }

QString LineTexts(int n, int k)
{
    return entry(192 + (n - 1) * 6 + (k - 1), n >= 1 && n <= 64 && k >= 1 && k <= 6);
}

QString HouseWords(int t)
{
    return t >= 1 && t <= 8 ? HouseWordTable[std::size_t(t - 1)].toString() : QString();
}
