#include "QuivarDATA.h"

// Our own Dutch writing for this program. Stored as UTF-8 source; only ASCII and è é ë ï occur.

// The tables keep one text a line, as they are written and reviewed.
// clang-format off
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
    u"Een draak ontwaakt in de diepte en wil naar de wolken: de kracht van een hemel die nooit moe wordt.", // 1
    u"De aarde draagt alles wat erop groeit en vraagt niets terug; in het volgen ligt nu jouw kracht.", // 2
    u"Een spruit wringt zich door harde grond: warrig en moeizaam, maar vol leven dat naar het licht wil.", // 3
    u"Onder aan de berg zoekt een jonge bron haar bedding, zoals een leerling zijn weg.", // 4
    u"Wolken pakken zich samen boven het droge land, maar er valt nog geen druppel. De regen kiest zijn eigen uur.", // 5
    u"De hemel stijgt en het water daalt; tussen beide gaapt een kloof die geen rechtszaak ooit dichtmaakt.", // 6
    u"Een volk draagt een macht in zich die wacht op orde, als water dat ongezien door de grond stroomt.", // 7
    u"Zoek het midden waar anderen samenkomen, zoals water op de aarde vanzelf de laagste plek vindt.", // 8
    u"Een bries drijft zware wolken langs de hemel: het zachte remt het sterke, nog zonder regen.", // 9
    u"Je loopt vlak achter een tijger, en alleen met hoffelijkheid en een lichte tred kom je erlangs.", // 10
    u"Het hoge buigt omlaag en het lage reikt omhoog; op die ontmoeting gedijt alles wat groeit.", // 11
    u"Nu hemel en aarde elkaar de rug toekeren, voeren kleine geesten het hoogste woord.", // 12
    u"Een vuur onder de open hemel trekt mensen aan die geen bloed delen, maar wel een doel.", // 13
    u"De zon staat in het zenit en zet alles in het licht. Zoveel bezit vraagt om een helder hoofd.", // 14
    u"Een berg die zich onder de aarde verschuilt, verheft zich niet en effent zo hoogten en dalen.", // 15
    u"Hoor je de donder uit de aarde omhoog dreunen? Heel het land trommelt mee, want geestdrift steekt aan.", // 16
    u"De donder duikt 's avonds in het meer en laat zich dragen; leiden begint met kunnen volgen.", // 17
    u"Het voedsel in de afgesloten schaal is gaan rotten: verwaarloosd erfgoed dat je nu grondig herstelt.", // 18
    u"Het voorjaar nadert en de oever buigt zich over het meer; benut die gunst voordat het seizoen draait.", // 19
    u"De wind strijkt over het land en raakt elk grassprietje; terwijl jij rondkijkt, kijkt het land ook naar jou.", // 20
    u"Tussen boven- en onderkaak zit iets hards. Pas als je erdoorheen bijt, sluit de mond weer.", // 21
    u"Vuur aan de voet van de berg zet de rotsen in een warme gloed. Schoonheid siert, maar draagt niets.", // 22
    u"De berg staat op smalle grond en brokkelt van onderen af, tot wat geen fundament heeft instort.", // 23
    u"Diep in de aarde roert de donder zich weer. Na de langste nacht keert het licht terug, eerst nog zwak.", // 24
    u"Geen berekening, geen list: onder de rollende donder groeit alles zoals het bedoeld is.", // 25
    u"In de berg ligt de hemel besloten. Je spaart grote kracht op en temt haar als een voerman zijn span.", // 26
    u"Tussen berg en donder gaapt een mond: wat erin gaat en wat eruit komt, vormt je.", // 27
    u"Onder een te zware last buigt de nokbalk door; met gewone middelen red je het dak niet.", // 28
    u"Water stort van kloof naar kloof en vult elke diepte, maar het verliest zijn aard nergens.", // 29
    u"Vuur leeft van het hout waaraan het zich hecht; jouw helderheid hangt evenzeer af van wat haar voedt.", // 30
    u"Een meer boven op de berg: wat elkaar werkelijk aantrekt, geeft en ontvangt tegelijk.", // 31
    u"Wat duurt, staat niet stil maar beweegt in een vaste baan, zoals donder en wind die elkaar eindeloos aflossen.", // 32
    u"Waar de berg opdringt, wijkt de hemel zonder ophef; een aftocht op tijd is geen nederlaag maar beleid.", // 33
    u"Boven de hemel dreunt de donder. Echte grootte blijkt pas als die macht zich aan het rechte bindt.", // 34
    u"De zon klimt boven de vlakte zonder dat iemand haar duwt; vooruitgang volgt vanzelf op helder licht.", // 35
    u"Het licht is in de aarde weggezakt en een duistere heer regeert. Je helderheid bewaar je nu binnen, onder een gewone jas.", // 36
    u"Uit het vuur van de haard stijgt warmte die door elke kamer trekt; een gezin dat binnen klopt, straalt naar buiten.", // 37
    u"Vuur trekt omhoog, het meer zakt omlaag. In kleine dingen kun je toch samenwerken.", // 38
    u"Achter de steile berg kolkt een rivier en de pas is dicht. Omkeren is geen zwakte: bij je eigen mensen vind je de omweg.", // 39
    u"Donder en regen breken de benauwde lucht open. Daarna ruikt de aarde fris en ademt iedereen weer vrij.", // 40
    u"Minder hebben is hier geen verlies: het meer onder de berg verdampt en maakt de hellingen groen.", // 41
    u"Deelt de top uit aan de voet, dan groeit het hele land mee, zoals wind en donder elkaar opstuwen.", // 42
    u"Het meer stijgt tot de hemel en de dijk kraakt. Een misstand verdwijnt pas als hij aan het licht komt, zonder wapens.", // 43
    u"Onder de hemel waait een wind die overal binnendringt. Iets kleins komt je tegemoet en wint snel terrein.", // 44
    u"Geen verzameling zonder middelpunt: het water boven het land komt pas samen waar een meer het vasthoudt.", // 45
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
    u"Deel je vreugde, en ze droogt niet op: twee meren die elkaar raken, houden elkaar vol.", // 58
    u"Onder de lentewind dooit het ijs; wat verstard en verspreid lag, begint weer te stromen.", // 59
    u"Een meer kan maar zoveel bevatten: grenzen geven houvast, tot ze verstikken.", // 60
    u"Wind beroert het meer tot op de bodem, zoals een gemeend woord zelfs varkens en vissen bereikt.", // 61
    u"Boven de berg klinkt de donder gedempt. Een vogel die laag vliegt, vindt zijn nest.", // 62
    u"De pot hangt boven het vuur en kookt: alles staat op zijn plaats. Juist dan sluipt het verval binnen.", // 63
    u"De jonge vos is bijna aan de overkant van de rivier, maar nog niet droog aan land.", // 64

    // Advice
    u"De eerste spade steek jij.", // 1
    u"Maak af wat een ander begon.", // 2
    u"Ruim de rommel hoek voor hoek op.", // 3
    u"Stel je vraag maar één keer.", // 4
    u"Gewoon eten en slapen helpt.", // 5
    u"Stop de ruzie, ook met gelijk.", // 6
    u"Eerst een leider, dan de mars.", // 7
    u"Sluit aan voor de deur dichtgaat.", // 8
    u"Rond de kleine klussen af.", // 9
    u"Beleefd vragen opent deuren.", // 10
    u"Zaai voor een latere oogst.", // 11
    u"Een ereplaats mag je weigeren.", // 12
    u"Nodig een buitenstaander uit.", // 13
    u"Betaal stil andermans rekening.", // 14
    u"Prijs het werk van een ander.", // 15
    u"Elke helper krijgt een taak.", // 16
    u"Geef een ander eens de leiding.", // 17
    u"Achterhaal waar het misging.", // 18
    u"Bezoek wie op je rekent.", // 19
    u"Eerst kijken, dan handelen.", // 20
    u"Bijt je vast in het taaiste punt.", // 21
    u"Eén sieraad minder staat beter.", // 22
    u"Geef ruim aan wie je draagt.", // 23
    u"Gun het herstel zeven dagen.", // 24
    u"Sla eens een onbekende straat in.", // 25
    u"Een taak buitenshuis past je.", // 26
    u"Let op wat je eet en zegt.", // 27
    u"Leg de last op meer schouders.", // 28
    u"Oefen wat je al kunt.", // 29
    u"Zorg voor wat van jou afhangt.", // 30
    u"Luister meer dan je praat.", // 31
    u"Kies één gewoonte en volhard.", // 32
    u"Een beleefd nee volstaat.", // 33
    u"Tel tot tien voor je ingrijpt.", // 34
    u"Ga staan waar het licht valt.", // 35
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
    u"Deel uit nu de schuur vol is.", // 55
    u"Als gast leer je eerst de groet.", // 56
    u"Zachte druk, lang volgehouden.", // 57
    u"Oefen samen met een vriend.", // 58
    u"Een gedeeld maal ontdooit veel.", // 59
    u"Eén vaste regel, meer niet.", // 60
    u"Hoor beide partijen eerst aan.", // 61
    u"Buig een tikje dieper dan nodig.", // 62
    u"Loop de sloten nog eens na.", // 63
    u"Toets het ijs voor elke pas.", // 64

    // Line texts, line 1 (bottom) first
    // 1 HET SCHEPPENDE
    u"Nog groeit de draak onder water; houd je daden in tot hij opstijgt.",
    u"Nu de draak zich toont, helpt een leermeester je verder.",
    u"Tot in de avond zwoeg en waak je, en hoe riskant ook, je doet niets fout.",
    u"Boven de diepte mag je gerust aarzelen voor je springt.",
    u"Hoog vliegt de draak, en een wijze die je begrijpt, treedt je tegemoet.",
    u"Stijg je als draak te hoog, dan verlies je je volk en krijg je spijt.",
    // 2 HET ONTVANGENDE
    u"De eerste nachtvorst kondigt de winter aan, dus let op vroege tekens.",
    u"Recht van aard en ruim van blik bereik je veel, en alles valt je toe.",
    u"Het werk maak je voor een ander af, en ook de eer laat je hem.",
    u"De zak met woorden knoop je dicht; lof noch verwijt treft je.",
    u"In een eenvoudig gewaad van aardekleur ben je op je gelukkigst.",
    u"Grijp je de macht waar je moest volgen, dan vloeit er bloed.",
    // 3 AANVANGSPROBLEMEN
    u"Stuit je meteen op weerstand, dan lukt het met helpers en volharding.",
    u"Het aanzoek is gemeend maar te vroeg; je jawoord mag nog jaren rijpen.",
    u"Zonder gids jaag je een hert het bos in; keer om, of je staat voor schut.",
    u"Zoek zelf wie je nodig hebt, want die stap om steun te vragen loont.",
    u"Je invloed reikt nog kort, dus een klein plan slaagt en een groot strandt.",
    u"Hoe begrijpelijk ook, tranen om een mislukt begin brengen je niets.",
    // 4 ONERVARENHEID
    u"Tucht helpt je op gang, maar ketens voor altijd brengen alleen schaamte.",
    u"Mildheid voor onwetenden brengt je voorspoed en een huis om te leiden.",
    u"Geef je niet aan wie met glans en geld pronkt, want daar wint niemand bij.",
    u"Verstrikt in hersenspinsels sta je op het laatst te blozen.",
    u"Argeloos als een kind stel je je vraag, en juist die eenvoud brengt geluk.",
    u"Straf een dwaas niet uit woede, maar om verdere schade te voorkomen.",
    // 5 HET WACHTEN
    u"Zolang het onweer ver is, mag je gerust je werk van elke dag doen.",
    u"Op het zand wordt over je geroddeld, maar het eind is goed.",
    u"Waad je ongeduldig de modder in, dan lok je zelf de vijand uit.",
    u"Midden in het bloedvergieten helpt geen verzet; kruip stil uit de kuil.",
    u"Aan een gedekte tafel wacht je zonder haast, en daar doe je goed aan.",
    u"Heet de vreemden bij je kuil welkom, en aan het eind zijn ze je redding.",
    // 6 HET CONFLICT
    u"Zeg meteen kort wat je dwarszit, en de twist dooft voor hij oplaait.",
    u"Je wijkt voor de sterkere en spaart je dorp, wat niemand je verwijt.",
    u"Leef van oud bezit en ding niet naar eer, dan eindigt het gunstig.",
    u"Omdat je zaak zwak staat, trek je je klacht in en vind je weer rust.",
    u"Leg je zaak voor aan een wijze scheidsrechter, en je krijgt gelijk.",
    u"Wat je door ruzie binnenhaalt, moet je keer op keer verdedigen.",
    // 7 VERZAMELDE KRACHT
    u"Vertrek pas als ieder zijn taak kent, anders loopt je tocht slecht af.",
    u"Midden tussen je mensen, gesteund van boven, word je met eer overladen.",
    u"Laat je iedereen commanderen, dan rijdt je wagen terug met gewonden.",
    u"Wijk gerust; als veldheer kies je zelf het terrein waarop je vecht.",
    u"Er staat wild in je akker; grijp in, maar geef de oudste het bevel.",
    u"Beloon na de zege wie vocht, maar geef gelukzoekers geen zeggenschap.",
    // 8 VERENIGING
    u"Je voegt je van harte bij de anderen en krijgt meer dan je hoopte.",
    u"Sluit je aan uit overtuiging, niet uit angst, en het geluk is met je.",
    u"Waarom schuif je aan bij mensen die niet bij je passen?",
    u"Je trouw toon je ook naar buiten, en daar word je beter van.",
    u"Eén kant laat je open, zodat ieder vrij kiest; juist zo gedijt de kring.",
    u"Pas als de grendel dicht is, klop je aan, en tot je schade blijf je buiten.",
    // 9 KLEINE VRUCHTBAARHEID
    u"Duwt een vlaag je opzij, dan vind je gelukkig je spoor terug.",
    u"Samen met de anderen keer je om, en daar vaar je wel bij.",
    u"Rijd je te hard door, dan breken de spaken en krijg je thuis ruzie.",
    u"Met een open hart rem je een sterkere af, en niemand raakt gewond.",
    u"Wat je met je buren deelt, maakt jullie samen rijker dan ieder apart.",
    u"Nu het eindelijk regent, zou verder doordrijven je geluk doen keren.",
    // 10 HET OPTREDEN
    u"Zonder fout ga je op weg in de eenvoudige kleren van elke dag.",
    u"Alleen en onopvallend volg je voorspoedig het vlakke pad.",
    u"Half blind en mank stap je door, tot de tijger bijt en het bloedig afloopt.",
    u"Je staat op de tijgerstaart, maar met uiterste zorg eindigt het goed.",
    u"Je weet wat moet en doet het, hoe gevaarlijk het ook is bij de tijger.",
    u"Kijk je aan het eind achterom en is je spoor recht, dan is je geluk groot.",
    // 11 DE VREDE
    u"Trek aan één grashalm en de hele pol komt mee, dus begin bij de jouwen.",
    u"Ook wie met modder aan zijn laarzen binnenkomt, krijgt bij jou een stoel.",
    u"Op elke vlakte volgt een helling: waarom zou je schrikken van de klim?",
    u"Je hoeft niet rijk te lijken om bij je buren welkom te zijn.",
    u"Beneden haar stand trouwt je dochter, en dat huwelijk wordt gezegend.",
    u"De goede tijd brokkelt af als een muur; stutten met geweld beschaamt je.",
    // 12 DE WANKLANK
    u"Neem mee wie net zo denkt als jij, en met volharding lukt het vertrek.",
    u"Meebuigen levert wat op, maar wil je vrij blijven, verdraag dan de kou.",
    u"De schaamte over wat je naar je toe trok, is een eerste teken van inkeer.",
    u"Op last van hogerhand handel je zonder schuld, en je gezellen delen mee.",
    u"Tot je geluk breekt de stilstand, en wat je wint, veranker je goed.",
    u"Na lang duwen geeft de klemmende deur mee, en blij stap je naar buiten.",
    // 13 SAAMHORIGHEID
    u"Bij de poort, voor ieders ogen, sluit je vriendschap zonder smet.",
    u"Beschamend eng sluit je je op onder je eigen verwanten.",
    u"In het struikgewas verstop je wapens, en jarenlang loer je vergeefs.",
    u"Boven op de muur zie je wijselijk af van de aanval die je zinde.",
    u"Na tranen en harde strijd lach je eindelijk bij het weerzien.",
    u"In de wei buiten de stad vind je nog een paar gezellen, en dat spijt je niet.",
    // 14 OVERVLOED
    u"Zolang je de lasten kent, bederft rijkdom je niet en is er niets mis.",
    u"Een stevige wagen draagt veel; breng je bezit waar het nodig is.",
    u"De vorst krijgt je beste oogst; een vrek zou hem zelf opeten.",
    u"De pracht gun je je buren, en op jou valt niets aan te merken.",
    u"Open van hart en toch waardig ontvang je ieder; het geluk zoekt je op.",
    u"De hemel zelf staat je bij, zodat alles lukt zolang je de dank niet vergeet.",
    // 15 DE BESCHEIDENHEID
    u"Doe je werk zonder ophef, en je komt veilig over de brede rivier.",
    u"Spreekt je bescheidenheid uit elk gebaar, dan volgt het geluk je vanzelf.",
    u"Ondanks je verdiensten werk je door en breng je het goed ten einde.",
    u"Ook als je handelt, maak je jezelf niet groot, en dat baat je overal.",
    u"Omdat je nooit pronkt, volgen de buren je, ook als je hard ingrijpt.",
    u"Je treedt nooit op de voorgrond, dus je mag streng zijn voor je huis.",
    // 16 DE GEESTDRIFT
    u"Roep je nu al hoe prachtig het wordt, dan volgt een afgang.",
    u"Vast als een rots schud je de roes nog dezelfde dag af, en dat redt je.",
    u"Blijf je omhoogkijken naar een teken, dan ga je dat talmen betreuren.",
    u"Het elan gaat van jou uit, en als je niet twijfelt, stromen vrienden toe.",
    u"Iets knaagt voortdurend aan je, maar het krijgt je niet klein.",
    u"Ook na een te lange roes kun je omkeren, en dan is er niets verloren.",
    // 17 DE NAVOLGING
    u"Nu het vaste schuift, praat je buiten de deur met wie anders denkt.",
    u"Je blijft bij de kwajongen hangen en mist zo de man die ertoe doet.",
    u"De man met gezag kies je en de snotneus laat je lopen, wat je goed uitkomt.",
    u"Men volgt je om de buit, wat riskant blijft tot je open zegt wat je zoekt.",
    u"Met heel je hart volg je het schone, en het lot is je goedgezind.",
    u"Al wil je weg, een trouwe band houdt je vast, en dat strekt je tot eer.",
    // 18 HET HERSTELLEN
    u"Wat je vader bedierf, buig je recht; riskant, maar met beleid lukt het.",
    u"Wat een zachte hand liet versloffen, herstel je niet met een harde.",
    u"Je herstelt te driftig wat vader naliet, met wat spijt maar geen grote fout.",
    u"Voor het oude bederf sluit je je ogen, tot het je schande brengt.",
    u"Wat je vader liet vervallen, richt je weer op, en iedereen prijst je.",
    u"Jij hoeft niet alles recht te zetten, want eerst komt wat in jou scheef zit.",
    // 19 DE TOENADERING
    u"Met gelijkgezinden begin je aan iets beters dat slaagt als je volhoudt.",
    u"Alles werkt mee nu je samen optrekt, dus maak je geen zorgen over later.",
    u"Gemakzucht levert niets op, maar betreur je haar, dan is het vergeven.",
    u"Terecht ga je de ander met open armen tegemoet tot aan de poort.",
    u"Wijs leiden is bekwame raadslieden vrij laten; het land vaart er wel bij.",
    u"Al heb je het zelf niet meer nodig, je keert terug om te helpen.",
    // 20 DE BESCHOUWING
    u"Kinderlijk kijk je naar de buitenkant; voor een leider is dat schande.",
    u"Door een kier zie je maar een strook, te smal voor een oordeel.",
    u"Zie wat je keuzes opleverden, en beslis dan: vooruit of terug?",
    u"Je doorziet hoe het land bestuurd wordt, en men vraagt je als raadgever.",
    u"Meet je leven aan wat het anderen bracht, en niemand verwijt je iets.",
    u"Zonder smet overzie je je leven van verre, vrij van eigenbelang.",
    // 21 HET DOORBIJTEN
    u"Een snelle straf voor je eerste misstap behoedt je voor erger.",
    u"Gretig bijt je door en je gaat wat te ver, maar schuld treft je niet.",
    u"Oud, bedorven vlees maakt je misselijk, maar het is geen ramp.",
    u"Het vlees is taai en vol botten, maar met volharding bijt je erdoorheen.",
    u"In het taaie vlees vind je geel goud, en waakzaam ga je vrijuit.",
    u"Wilde je nooit luisteren, dan sta je nu met het blok om je nek.",
    // 22 DE BEKOORLIJKHEID
    u"De aangeboden wagen sla je af, en het eerste stuk loop je gewoon zelf.",
    u"Net als een baard aan de kin beweegt je opsmuk mee met wat eronder zit.",
    u"Glans en gunst omspoelen je, en blijf je daarbij taai, dan duurt het goede.",
    u"Voor eenvoud kies je, en de ruiter die je vreesde, komt als vriend.",
    u"Je schamele rol zijde beschaamt je even, maar je meent het, en dat telt.",
    u"Aan het eind draag je effen wit, eenvoudiger en mooier dan alle pracht.",
    // 23 DE VERSPLINTERING
    u"Het rot zit al in de poot van je bed, en dat voorspelt niets goeds.",
    u"Nu splijt je bed bij de rand, en zonder steun van anderen gaat het mis.",
    u"Breek met wie de boel ondermijnt, wat je gezelschap kost maar geen eer.",
    u"Het verval reikt tot op je huid, en een groter verlies bestaat niet.",
    u"Als vissen aan een snoer leid je de jouwen voorspoedig naar het hof.",
    u"Aan de kale boom hangt nog één vrucht; haar pitten zijn je nieuwe begin.",
    // 24 HET KEERPUNT
    u"Tot je zegen zie je de dwaling na een paar passen al en keer je om.",
    u"Een goed voorbeeld naast je maakt de terugkeer licht en voorspoedig.",
    u"Telkens dwaal je af en keer je om, en hoe gevaarlijk ook, elk omkeren telt.",
    u"Midden in een groep die verder trekt, keer jij als enige om.",
    u"Je kijkt jezelf eerlijk aan en keert om, en daar krijg je nooit spijt van.",
    u"Mis je het keerpunt, dan volgt een lange dwaaltocht vol ongeluk.",
    // 25 DE ONSCHULD
    u"Volg je eerste ingeving, want wat argeloos begint, loopt zelden mis.",
    u"Ploeg om het ploegen, niet om de oogst; het land beloont je toch.",
    u"Een passant neemt je koe mee, en die tegenslag heb je niet verdiend.",
    u"Laat je niet ompraten door het rumoer; houd vast aan wat je zeker weet.",
    u"Dit ongemak drijft vanzelf over als een bui, dus ga er niet aan dokteren.",
    u"Zelfs je argeloze daad valt verkeerd, want het uur is er niet naar.",
    // 26 DE TEMMENDE KRACHT
    u"Vlak voor je ligt gevaar, dus houd halt voordat je verder rijdt.",
    u"Morren helpt niet nu de assen uit je wagen zijn gehaald.",
    u"Je mag weer op pad, maar oefen onderweg het mennen en wees op je hoede.",
    u"Een plank op de hoorns van de jonge stier bespaart je later veel leed.",
    u"Neem de wilde ever zijn drift af, en zijn slagtanden deren niet meer.",
    u"De weg naar de hemel ligt open, en wat je opspaarde, mag nu stromen.",
    // 27 DE VOEDING
    u"Je vergeet je voorraad en staart naar andermans bord, en dat wreekt zich.",
    u"Waarom bedel je om eten bij wie hoger woont, ver van je eigen pad?",
    u"Laat je het voedzame staan voor wat prikkelt, dan volgen jaren van ongeluk.",
    u"Speur gerust met tijgerogen naar hulp om anderen te voeden.",
    u"Nog sta je niet op eigen benen, dus steek het grote water niet over.",
    u"Velen leven van wat jij geeft, en al is het riskant, waag gerust de tocht.",
    // 28 OVERDAAD IN HET GROTE
    u"Leg witte biezen onder wat je neerzet, want zoveel zorg kan nooit kwaad.",
    u"Aan de wortel van de dorre populier loopt jong hout uit, en alles bloeit.",
    u"Duw je koppig door terwijl de balk kraakt, dan stort het dak in.",
    u"De gestutte balk houdt, maar zoek je nog meer steun, dan schaam je je.",
    u"Als dorre populier bloei je nog één keer, zonder schande en zonder eer.",
    u"De taak trekt je kopje-onder; toch was het juist dat je eraan begon.",
    // 29 HET ONPEILBARE
    u"Raak je aan het gevaar gewend, dan glijd je ongemerkt dieper de kuil in.",
    u"Midden in de kloof mik je op kleine winst, want alles oplossen lukt niet.",
    u"Voor en achter gaapt diepte; verroer je niet tot je grond voelt.",
    u"Bied eenvoudig door het raam aan wat je hebt; niemand neemt je dat kwalijk.",
    u"Het water reikt tot de rand maar loopt niet over, en meer hoef je niet.",
    u"Jaren zit je bitter vast in een doornhaag van je eigen dwaling.",
    // 30 HET ZICH-HECHTENDE
    u"Kruisen de sporen al vroeg, dan behoedt een eerbiedige groet je voor schuld.",
    u"Houd maat, en een warm geel licht valt over alles wat je aanraakt.",
    u"Zakt je zon, dan helpen zingen noch klagen; kijk kalm hoe het avond wordt.",
    u"Een strovuur geeft een tel veel licht, en daarna veeg je as bijeen.",
    u"Tranen stromen en je zucht diep, maar juist dat verdriet keert het tij.",
    u"Straf de aanstokers, spaar wie volgde, en niemand kan je iets verwijten.",
    // 31 DE AANTREKKING
    u"Het begint in je grote teen, en er gebeurt nog niets wat iemand ziet.",
    u"Al willen je kuiten op pad, nu vertrekken is je ongeluk, dus blijf.",
    u"Je dijen volgen blind een ander, en zo meelopen brengt je schaamte.",
    u"Met een kalm hart raak je velen, met onrust alleen je eigen vrienden.",
    u"In je stijve nek voel je weinig, maar die onbewogenheid kan geen kwaad.",
    u"Het blijft bij je kaken en tong, bij holle praat die niemand raakt.",
    // 32 DE DUURZAAMHEID
    u"Eis je meteen iets blijvends, dan bouw je op zand en lukt niets.",
    u"Je kunt meer dan je plek vraagt, maar je laat het erbij en berouwt het nooit.",
    u"Vind je vandaag dit en morgen dat, wie neemt je dan nog serieus?",
    u"Hoe lang je ook jaagt op een plek zonder wild, je tas blijft leeg.",
    u"Dien je, volg dan trouw de oude lijn; leid je, dan moet je soms wenden.",
    u"Altijd ben je in de weer, nooit sta je stil, en zo beklijft er niets.",
    // 33 DE AFZIJDIGHEID
    u"Achteraan in de stoet ben je kwetsbaar, dus begin nu niets nieuws.",
    u"Taai als ossenleer hecht je je aan wie vertrekt, en niemand wrikt je los.",
    u"Een aftocht die stokt, is riskant; houd je knechten dicht bij je.",
    u"Zonder wrok ga je heen, wat jou geluk brengt en een kleinzielige niet.",
    u"Vriendelijk maar beslist neem je afscheid; zo'n vertrek loopt goed af.",
    u"Alles lukt je nu je opgewekt en zonder omkijken vertrekt.",
    // 34 MACHT VAN HET GROTE
    u"Alle kracht zit nog in je tenen; stormen loopt hier zeker slecht af.",
    u"Voorspoedig stap je kalm achter de kudde aan, zonder te rammen.",
    u"Ram je als een bok door de heg, dan raken je hoorns gevaarlijk verstrikt.",
    u"Gelukkig wijkt de heg, en je wagen rolt door op een stevige as.",
    u"In het open veld raak je je geit kwijt, en dat berouw je niet.",
    u"Klem in de heg kun je nergens heen, tot je het toegeeft en het tij keert.",
    // 35 DE VOORUITGANG
    u"Ze wijzen je af bij je eerste poging; kalm doorgaan is dan geen fout.",
    u"Bezorgd schuifel je verder, tot een grootmoeder je onverwacht zegent.",
    u"Nu iedereen om je heen instemt, heb je niets meer te betreuren.",
    u"Stiekem als een hamster voorraad naar je hol slepen is riskant.",
    u"Tel winst en verlies niet langer na, want wat je onderneemt, gedijt.",
    u"Je hoorns zijn alleen voor de orde thuis, want elders stoten beschaamt je.",
    // 36 DE VERDUISTERING
    u"Met lage vleugels vlucht je hongerig verder, al roddelt je gastheer.",
    u"Met een gewonde dij help je anderen gelukkig nog op een vlug paard weg.",
    u"De aanvoerder van het duister vang je, maar herstel gaat traag.",
    u"Dicht bij de macht doorzie je het donker en pak je stil je biezen.",
    u"Aan het wrede hof loont het de dwaas te spelen, als je licht maar brandt.",
    u"De duistere heer die zo hoog klom, stort nu voor je ogen neer.",
    // 37 HET GEZIN (DE CLAN)
    u"Stel de regels bij de eerste maaltijd, en later betreur je niets.",
    u"Zonder grillen zorg je voor de pot op het vuur, en zo gedijt het gezin.",
    u"Een harde toon spijt je, maar pret zonder grens eindigt in schaamte.",
    u"Zuinig beheer je de voorraadkast, en het gezin wordt rijk en gelukkig.",
    u"Met liefde en zonder angst leid je je familie, en iedereen bloeit op.",
    u"Met een woord dat je waarmaakt, draag je je huis tot een gelukkig einde.",
    // 38 DE TEGENSTELLING
    u"Zonder spijt laat je je weggelopen paard lopen, want het vindt zijn stal.",
    u"In een steeg tref je toevallig je meester, en daar is niets mis mee.",
    u"De ossen weigeren en je kar glijdt achteruit, toch eindigt de rit goed.",
    u"Eenzaam tref je één gelijkgezinde, en met hem is het risico te dragen.",
    u"Loop gerust de vriend tegemoet die zich door je pantser heen bijt.",
    u"Je spant de boog, ziet dan pas je vriend, en in de regen smelt de argwaan.",
    // 39 DE HINDERNIS
    u"Ga je verder, dan stuit je op de pas; keer je om, dan oogst je lof.",
    u"Voor je heer ploeter je van kuil naar kuil, en het ligt niet aan jou.",
    u"Halverwege geef je de klim op, en thuis ontvangt men je met vreugde.",
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
    u"Is je werk af, help dan vlug een ander, en dat is juist als je maat houdt.",
    u"Blijf bij jezelf en onderneem niets, zo geef je zonder zelf te verarmen.",
    u"Een derde paard maakt je span onrustig; met twee loop je in de pas.",
    u"Leg je een slechte gewoonte af, dan komt wie wegbleef blij terug.",
    u"Een groot geluk valt je toe in gaven die niemand kan tegenhouden.",
    u"Zonder iemand iets af te nemen groei je, en velen werken graag voor je.",
    // 42 DE VERMEERDERING
    u"Gesteund van boven pak je een groot werk aan, en het lukt zonder smet.",
    u"Wat je toestroomt, stuit niemand, en blijf je standvastig, dan zit het mee.",
    u"Zelfs een tegenslag verrijkt je; met open vizier blijf je zonder fout.",
    u"Vanuit het midden geef je raad, en op jouw woord verhuist zelfs een stad.",
    u"Uit goedheid geef je zonder iets te vragen, en hoger geluk bestaat niet.",
    u"Alles voor jezelf bijeengraaien levert je geen hulp op, maar een klap.",
    // 43 DE VASTBERADENHEID
    u"Vol ongeduld trappel je, maar je kunt het nog niet aan, dus gaan is een fout.",
    u"Waakzaam in de nacht, je wapens bij de hand, hoef je niets te vrezen.",
    u"Alleen in de regen hoor je ze mompelen, maar je bent zonder schuld.",
    u"Onrustig strompel je rond, doof voor de raad die je spijt zou besparen.",
    u"Taai onkruid wied je met vaste hand, zonder blind te hakken.",
    u"Net als je denkt dat het voorbij is, slaat het kwaad geruisloos terug.",
    // 44 HET TEGEMOETKOMEN
    u"Trap het vonkje meteen uit; in deze wind wordt het een brand.",
    u"De vis hoort in je eigen kom, niet op het bord van je gasten.",
    u"Elke stap doet pijn, maar je kent het gevaar en lijdt geen grote schade.",
    u"Tot je ongeluk blijft de kom leeg, want wie je minachtte, komt niet meer.",
    u"Als een meloen onder wilgenblad rijp je in stilte, en de hemel beloont je.",
    u"Dat je iedereen met je hoorns afweert, is beschamend maar geen fout.",
    // 45 HET VERZAMELEN
    u"Spreek je twijfel uit, en na een hand op je schouder lach je weer.",
    u"De gastheer nodigt je uit, en een handvol graan is als gave genoeg.",
    u"Zuchtend sta je aan de kant; aansluiten kost hooguit wat trots.",
    u"Met groot succes breng je mensen samen rond een gedeelde zaak.",
    u"Sommigen volgen je om je plaats, niet om jou, maar volhard tot ze je kennen.",
    u"Je tranen, nu je buiten de kring valt, neemt niemand je kwalijk.",
    // 46 HET OMHOOGDRINGEN
    u"Omdat men boven je op je rekent, begint je klim voorspoedig.",
    u"Weinig breng je mee, maar je gift is gemeend en wordt gezien.",
    u"Een verlaten stad trek je binnen, en geen poort is gesloten.",
    u"Op de heilige berg mag jij het offer brengen, en je doet het zonder fout.",
    u"Standvastig klim je trede voor trede, en het geluk klimt mee.",
    u"Klim je in het donker door, dan heb je meer volharding nodig dan drift.",
    // 47 DE BENAUWENIS
    u"Onder een kale boom zit je te piekeren, en elke dag wordt het donkerder.",
    u"Eten en drinken genoeg, toch voel je je leeg, tot een heer je ontbiedt.",
    u"Je bonkt tegen een muur die niet wijkt, en dat eindigt bitter.",
    u"In je gouden koets kom je traag en beschaamd aan, maar je komt aan.",
    u"Beknot van alle kanten, vind je langzaam lucht zolang je blijft offeren.",
    u"Ranken om je enkels doen je wankelen; een besliste ruk maakt je vrij.",
    // 48 DE BRON
    u"Uit je verzande put drinkt niemand, zelfs de vogels niet.",
    u"Uit een gebarsten kruik lekt je water naar een paar visjes.",
    u"Het doet je pijn dat niemand drinkt uit je put die schoon klaarstaat.",
    u"Dat je put even droog staat terwijl je hem opnieuw metselt, is geen fout.",
    u"Eindelijk drinkt men van je put, koel als de ader waaruit hij opwelt.",
    u"Het grootste geluk is je open put, waaruit iedereen schept zonder deksel.",
    // 49 DE OMWENTELING
    u"Gewikkeld in een gele koeienhuid kun je nog niets veranderen.",
    u"Je dag is gekomen; begin, en je zult het niet berouwen.",
    u"Doordrukken is riskant, want pas na driemaal uitleggen gelooft men je.",
    u"Omdat men je gelooft, mag je het oude bestel zonder spijt omgooien.",
    u"Als een tijger van vacht verander je, en niemand twijfelt aan je.",
    u"Met je nieuwe vlekken als een panter zou verder vechten je ongeluk brengen.",
    // 50 KOSMISCHE ORDE
    u"Keer de ketel om en schud het oude vuil eruit; daar is niets mis mee.",
    u"Jaloerse blikken glijden over je volle ketel, maar krijgen er geen hap uit.",
    u"Zonder greep blijft je fazant in de ketel koud, maar na de bui keert het.",
    u"Te vol geladen breekt je ketel een poot, en het maal ligt op de vloer.",
    u"Aan de gouden ringen van je ketel tillen helpers mee, dus houd vol.",
    u"Ringen van jade, hard en toch zacht, maken je ketel af tot groot geluk.",
    // 51 HET OPWINDENDE
    u"Eerst schrik je je wezenloos, dan lach je opgelucht om je angst.",
    u"Vlucht de heuvels in en vergeet je verloren bezit, het komt vanzelf terug.",
    u"Zet de schrik je in beweging in plaats van klem, dan ontspring je de dans.",
    u"De klap verzandt in de modder, en jij staat er versuft bij.",
    u"Het dondert heen en weer, gevaarlijk, maar op je post verlies je niets.",
    u"Om je heen slaat men op hol; neem afstand, ook als men erover kletst.",
    // 52 HET STILHOUDEN
    u"Nog voor de eerste stap staan je tenen al stil, en dat is geen fout.",
    u"Somber houd je je kuiten stil terwijl je leider doorholt.",
    u"Zet je je heupen vast, dan verstijft je rug en stikt je hart bijna.",
    u"Tot in je romp word je stil, en terecht bedaren je gedachten.",
    u"Omdat je pas spreekt als je woorden op orde zijn, heb je nergens spijt van.",
    u"Je diep geworden stilte draagt je als een rots naar een gelukkig eind.",
    // 53 DE ONTWIKKELING
    u"Als jonge gans aan de waterkant krijg je kritiek, maar dat deert je niet.",
    u"Veilig op de rots eet je in vrede met de anderen, en het gaat je goed.",
    u"Vlieg je te ver over de kale vlakte, dan verdwaal je, dus bewaak je nest.",
    u"Met zwemvliezen op een tak zit je onwennig, tot je buigend een plek vindt.",
    u"Op de top ben je lang van je geliefde gescheiden, maar niet voorgoed.",
    u"Hoog boven de wolken vlieg je, en je veren sieren nog de dans beneden.",
    // 54 BETAMELIJKHEID
    u"Als tweede vrouw loop je mank, en toch lukken je plannen.",
    u"Met één oog zie je genoeg om je woord na te komen, ook in je eentje.",
    u"Waarom een hogere plek eisen dan je toekomt, als je zo lager belandt?",
    u"Het huwelijk stel je uit, en de late bruiloft blijkt de moeite waard.",
    u"Eenvoudiger gekleed dan je meid trouw je, onder een gunstig gesternte.",
    u"Een lege mand op het bruiloftsmaal levert je niets op.",
    // 55 DE VOLHEID
    u"Tien dagen deel je het werk met je gelijke, en niemand rekent het je aan.",
    u"Op het middaguur zie je sterren en wantrouwt men je, tot je hart spreekt.",
    u"In het middagduister breek je je rechterarm, en niemand rekent het je aan.",
    u"In het donker tref je een heer van jouw soort, en het wordt weer licht.",
    u"Heldere geesten komen je te hulp; je oogst lof en zegen.",
    u"Je vult je huis met pracht en sluit het af, tot je er eenzaam zit.",
    // 56 DE ZWERVER
    u"Je pingelt in de eerste herberg om een stuiver, en de waard vergeet je niet.",
    u"In de herberg is je beurs vol en je jonge knecht je toegewijd.",
    u"De herberg brandt af, je hoogmoed kost je de knecht en je raakt in gevaar.",
    u"Onder een afdak vind je geld en een bijl, maar je hart is niet blij.",
    u"Met een enkel raak schot win je als vreemdeling lof en een plaats.",
    u"De koe die je achteloos verloor, doet je lachen omslaan in rampzalig huilen.",
    // 57 HET ZACHTMOEDIGE
    u"Heen en weer geslingerd kies je als een soldaat, kort en beslist.",
    u"Met hulp lukt het je tevoorschijn te halen wat onder het bed loert.",
    u"Steeds opnieuw beginnen kost je je gezag en vernedert je.",
    u"Zacht maar aanhoudend jaag je, tot er wild is voor de hele tafel.",
    u"Slecht begonnen, goed geëindigd, als je vooraf weegt en achteraf nakijkt.",
    u"Kruip je steeds onder het bed, dan raakt je bijl zoek en loopt het mis.",
    // 58 HET BLIJMOEDIGE
    u"Tevreden met wat het meer je geeft, sta je gelukkig aan de oever.",
    u"Je vreugde is helder als het water aan de oever, en niets valt te betreuren.",
    u"Dat je naar elk feest aan de overkant roeit, brengt je ongeluk.",
    u"Tussen ondiep en diep aarzel je, tot je het diepe kiest en weer lacht.",
    u"Vleiers geloven is gevaarlijk, want ze hollen je uit als golven een oever.",
    u"Glinsterend water lokt je ver van de oever, tot je vergeet waarom je kwam.",
    // 59 DE OPLOSSING
    u"Een sterk paard redt je, want je bent er voor het ijs vastvriest.",
    u"Drijft alles uiteen, haast je naar je oude tafel, en spijt krijg je niet.",
    u"Je zet je eigenbelang opzij voor iets groters, en dat berouw je niet.",
    u"Laat je eigen aanhang los, dan vormt zich een ruimere kring tot ieders zegen.",
    u"Als zweet dat de koorts uitdrijft, lost je luide woord de verstarring op.",
    u"Dat je je mensen ver van het bloedvergieten wegvoert, verwijt niemand je.",
    // 60 DE BEPERKING
    u"Binnen de poort van je eigen erf blijven is nu geen fout.",
    u"Thuisblijven terwijl de poort openstaat, brengt je nu ongeluk.",
    u"Je kende geen maat en betaalt de prijs, dus wijs niet naar een ander.",
    u"Een grens die je graag draagt, zit als een goede schoen en brengt je ver.",
    u"Houd eerst zelf maat, dan smaakt je grens anderen zoet.",
    u"Een bittere grens volhouden gaat mis, maar de teugels vieren spijt je niet.",
    // 61 INNERLIJKE WAARHEID
    u"Goed voorbereid sta je vast; een verborgen plan doet je wankelen.",
    u"Als een kraanvogel in het riet roep je, en wie bij je hoort, antwoordt.",
    u"Hangt je stemming af van een ander, dan trommel en huil je om beurten.",
    u"Bij bijna volle maan maak je terecht je span los en reik je hoger.",
    u"Hart en woord zijn één, en mensen rijgen zich als kralen aan je vast.",
    u"Kraai je tot de hemel als een haan die niet vliegt, dan breekt dat je op.",
    // 62 BEPERKTE INVLOED
    u"Vlieg je uit voordat je vleugels dragen, dan stort je neer.",
    u"Niet de hoogste maar een lagere deur gaat voor je open, en die volstaat.",
    u"Vind je voorzorg overbodig, dan word je van achteren getroffen.",
    u"Forceer niets en neem genoegen met wat je treft, want verder is gevaarlijk.",
    u"Wat je alleen niet klaarkrijgt, lukt met de raad van een stille kenner.",
    u"Noodlottig schiet je als een vogel zonder nest elk doel voorbij.",
    // 63 NA DE VOLTOOIING
    u"Op tijd rem je bij de oever; een natte staart is geen fout.",
    u"Zoek je verloren aanzien niet; binnen zeven dagen keert het terug.",
    u"Na drie jaar is de veldtocht gewonnen; laat geen kleine lieden heersen.",
    u"Ook na de voltooiing springt er een lek; leg een prop klaar.",
    u"Een kom rijst die je van harte geeft, weegt meer dan een feestmaal.",
    u"Levensgevaarlijk waad je door tot je hoofd onder water gaat.",
    // 64 VOOR DE VOLEINDING
    u"Te gretig plons je de rivier in, en doorweekt sta je er beschaamd bij.",
    u"Bewust rem je de wagen af, en die zelfbeheersing brengt geluk.",
    u"Aanvallen loopt nu mis, maar met hulp waag je de oversteek wel.",
    u"Nu mag je beslist doortasten, en drie jaar strijd wordt ruim beloond.",
    u"Zonder twijfel en met een echt licht bereik je gelukkig wat je toekomt.",
    u"Proost gerust op wat bereikt is, maar steek je hoofd niet in de beker.",
};

const std::array<QStringView, 8> HouseWordTable = {
    u"Uitdaging", u"Ontwikkeling", u"Ontwaken", u"Voorspoed",
    u"Tegenspoed", u"Intensiteit", u"Vastberadenheid", u"Ontsnapping",
};
// clang-format on

static QString entry(int index, bool inRange)
{
    return inRange ? OracleTexts[std::size_t(index)].toString() : QString();
}

QString Title(int n)
{
    return entry(n - 1, n >= 1 && n <= 64);
}
QString ProcessText(int n)
{
    return entry(64 + n - 1, n >= 1 && n <= 64);
}
QString AdviceText(int n)
{
    return entry(128 + n - 1, n >= 1 && n <= 64);
}

QString LineTexts(int n, int k)
{
    return entry(192 + (n - 1) * 6 + (k - 1), n >= 1 && n <= 64 && k >= 1 && k <= 6);
}

QString HouseWords(int t)
{
    return t >= 1 && t <= 8 ? HouseWordTable[std::size_t(t - 1)].toString() : QString();
}
