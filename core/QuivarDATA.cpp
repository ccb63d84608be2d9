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
    u"Een draak ontwaakt in de diepte en wil naar de wolken: de kracht van een hemel die nooit moe wordt.", // 1
    u"De aarde draagt alles wat erop groeit en vraagt niets terug; in het volgen ligt nu jouw kracht.", // 2
    u"Een spruit wringt zich door harde grond: warrig en moeizaam, maar vol leven dat naar het licht wil.", // 3
    u"Onder aan de berg zoekt een jonge bron haar bedding, zoals een leerling zijn weg.", // 4
    u"Wolken pakken zich samen boven het droge land, maar er valt nog geen druppel. De regen kiest zijn eigen uur.", // 5
    u"Waar de hemel omhoog trekt en het water omlaag, gaapt een kloof die geen proces helemaal dicht.", // 6
    u"In de grond stroomt water dat niemand ziet, zoals in een volk een macht schuilt die wacht op orde.", // 7
    u"Water op de aarde vloeit naar de laagste plek en komt daar samen, zoals mensen rond een vast midden.", // 8
    u"Een bries drijft zware wolken langs de hemel: het zachte remt het sterke, nog zonder regen.", // 9
    u"Je loopt vlak achter een tijger, en alleen met hoffelijkheid en een lichte tred kom je erlangs.", // 10
    u"Het hoge buigt omlaag en het lage reikt omhoog; op die ontmoeting gedijt alles wat groeit.", // 11
    u"Nu hemel en aarde elkaar de rug toekeren, voeren kleine geesten het hoogste woord.", // 12
    u"Een vuur onder de open hemel trekt mensen aan die geen bloed delen, maar wel een doel.", // 13
    u"De zon staat in het zenit en zet alles in het licht. Zoveel bezit vraagt om een helder hoofd.", // 14
    u"Een berg die zich onder de aarde verschuilt, verheft zich niet en effent zo hoogten en dalen.", // 15
    u"Als de donder uit de aarde omhoog dreunt, trommelt het land mee; geestdrift is besmettelijk.", // 16
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
    u"Donder en wind wisselen elkaar eindeloos af: wat duurt, beweegt in een vaste baan.", // 32
    u"De berg reikt naar de hemel, maar de hemel wijkt. Wie zich bijtijds terugtrekt, verliest niets.", // 33
    u"Donder rolt over de hemel heen, en zulke kracht is pas groot als ze weet wat juist is.", // 34
    u"De zon komt op boven de aarde en klimt gestaag, en met haar rijst wie helder straalt.", // 35
    u"Het licht is in de aarde weggezakt en het land is donker. Wie nu zijn helderheid toont, wordt getroffen.", // 36
    u"Warmte uit de haard trekt door het hele huis, en wat binnen klopt, straalt naar buiten.", // 37
    u"Vuur stijgt op en het meer zakt weg, maar ook wie verschilt, kan in kleine dingen samenwerken.", // 38
    u"Een steile berg en daarachter diep water: de weg is versperd. Zo'n stilstand werpt je terug op je eigen aandeel.", // 39
    u"Na het onweer is de lucht schoon: de spanning verdwijnt en iedereen ademt vrij.", // 40
    u"Het meer onder de berg verdampt en maakt de hellingen groen. Wat hier minder wordt, voedt elders.", // 41
    u"Wind en donder versterken elkaar, en wat van boven naar beneden wordt gedeeld, brengt overal groei.", // 42
    u"Het meer stijgt tot de hemel en de dijk breekt: het kwaad wijkt als je het openlijk benoemt.", // 43
    u"Onder de hemel waait een wind die overal binnendringt. Iets kleins komt je tegemoet en wint snel terrein.", // 44
    u"Water stroomt bijeen in een meer boven het land. Waar mensen zich verzamelen, is een middelpunt nodig dat hen bindt.", // 45
    u"Uit het zaad in de aarde duwt een boom zich omhoog, jaar na jaar, zonder haast of omweg.", // 46
    u"Het meer is leeggelopen en de bodem barst. Woorden vinden nu weinig gehoor, maar een opgewekt hart breekt niet.", // 47
    u"Een dorp kan verhuizen, de put niet: hij laaft ieder die komt, als het touw lang genoeg is.", // 48
    u"Vuur onder het meer: een van beide moet wijken, en het oude heeft zijn langste tijd gehad.", // 49
    u"Boven het hout brandt vuur, en in de bronzen ketel gaart het maal dat velen voedt.", // 50
    u"Donder op donder doet alles beven. Wie na de schrik de lepel nog in de hand heeft, lacht straks mee.", // 51
    u"Berg op berg, en niets beweegt. Op het juiste moment stoppen brengt een heldere stilte.", // 52
    u"Een boom op de berg groeit langzaam maar vast, en de wilde gans trekt van halte naar halte.", // 53
    u"Donder boven het meer: je treedt een huis binnen waar jij niet de eerste stem hebt.", // 54
    u"Donder en bliksem vallen samen en alles bloeit volop. Het licht staat op zijn hoogst en reikt in elke hoek, al duurt het niet.", // 55
    u"Een vuur op de berg brandt nergens lang en trekt steeds verder: het lot van een reiziger.", // 56
    u"De wind waait steeds uit dezelfde hoek en buigt zo zelfs de stevigste stam.", // 57
    u"Twee meren die elkaar raken, drogen niet uit. Zo wordt blijheid groter als je haar deelt.", // 58
    u"De lentewind ontdooit het ijs. Wat verstard en versnipperd was, begint weer te stromen.", // 59
    u"Een meer kan maar zoveel bevatten: grenzen geven houvast, tot ze verstikken.", // 60
    u"Wind beroert het meer tot op de bodem, zoals een gemeend woord zelfs varkens en vissen bereikt.", // 61
    u"Donder klinkt gedempt boven de berg, en een vogel die laag vliegt, vindt zijn nest.", // 62
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
    u"Zeg de volgende afspraak af.", // 33
    u"Tel tot tien voor je ingrijpt.", // 34
    u"Bied je diensten aan.", // 35
    u"Zeg minder dan je weet.", // 36
    u"Eet vanavond samen aan tafel.", // 37
    u"Vraag je tegenstrever om hulp.", // 38
    u"Neem de omweg door het dal.", // 39
    u"Schrap een oude schuld.", // 40
    u"Zet maar twee schaaltjes op tafel.", // 41
    u"Begin aan wat je steeds uitstelde.", // 42
    u"Zet het zwart op wit.", // 43
    u"Zeg direct nee tegen het aanbod.", // 44
    u"Vul de voorraadkast aan.", // 45
    u"Maak een afspraak met je meerdere.", // 46
    u"Repareer iets wat kapot is.", // 47
    u"Haal water voor een ander.", // 48
    u"Prik een datum voor de overstap.", // 49
    u"Geef elk ding een vaste plek.", // 50
    u"Pak na de schrik één taak op.", // 51
    u"Zit een kwartier stil.", // 52
    u"Plan alleen de volgende halte.", // 53
    u"Vraag wat men van je verwacht.", // 54
    u"Rond deze week een zaak af.", // 55
    u"Leer de groet van je gastheren.", // 56
    u"Herhaal je verzoek vriendelijk.", // 57
    u"Oefen samen met een vriend.", // 58
    u"Organiseer een feest.", // 59
    u"Stel jezelf een vaste regel.", // 60
    u"Hoor beide partijen eerst aan.", // 61
    u"Schrijf iemand een bedankje.", // 62
    u"Loop 's avonds de sloten na.", // 63
    u"Toets het ijs voor elke pas.", // 64

    // Line texts, line 1 (bottom) first
    // 1 HET SCHEPPENDE
    u"Onder water groeit de draak nog; houd je daden in tot hij mag opstijgen.",
    u"Nu de draak zich toont, helpt een leermeester je verder.",
    u"Tot in de avond zwoeg en waak je: riskant, maar je doet niets fout.",
    u"Aarzelen boven de diepte voor je springt, is hier geen fout.",
    u"Hoog in de lucht vliegt de draak; wie jou aanvult, vliegt met je mee.",
    u"Stijg je als draak te hoog, dan verlies je je volk en krijg je spijt.",
    // 2 HET ONTVANGENDE
    u"De eerste nachtvorst kondigt de winter aan, dus let op vroege tekens.",
    u"Recht van aard en ruim van blik bereik je veel, en alles valt je toe.",
    u"Het werk maak je voor een ander af, en ook de eer laat je hem.",
    u"Je knoopt de zak met woorden dicht, en lof noch verwijt treft je.",
    u"In een eenvoudig gewaad van aardekleur ben je op je gelukkigst.",
    u"Grijp je de macht waar je moest volgen, dan vloeit bloed aan beide kanten.",
    // 3 AANVANGSPROBLEMEN
    u"Stuit je meteen op weerstand, verzamel dan helpers: volhouden loont.",
    u"Het aanzoek is gemeend maar te vroeg; je jawoord mag nog jaren rijpen.",
    u"Zonder gids jaag je een hert het bos in; keer om, of je staat voor schut.",
    u"Neem de hulp aan die zich aandient, want samen lukt je alles.",
    u"Je invloed reikt nog kort: een klein plan slaagt, een groot loopt vast.",
    u"Hoe begrijpelijk ook, tranen om een mislukt begin brengen je niets.",
    // 4 ONERVARENHEID
    u"Tucht helpt je op gang, maar ketens voor altijd brengen alleen schaamte.",
    u"Mildheid voor onwetenden brengt je voorspoed en een huis om te leiden.",
    u"Geef je niet aan wie met glans en geld pronkt; daar wint niemand bij.",
    u"Verstrikt in hersenspinsels sta je op het laatst te blozen.",
    u"Als een kind durf je te vragen, en die argeloosheid is je geluk.",
    u"Straf een dwaas niet uit woede, maar om verdere schade te voorkomen.",
    // 5 HET WACHTEN
    u"Zolang het onweer ver is, mag je gerust je werk van elke dag doen.",
    u"Op het zand wordt over je geroddeld, maar het eind is goed.",
    u"Waad je ongeduldig de modder in, dan lok je zelf de vijand uit.",
    u"Midden in het bloedvergieten helpt geen verzet; kruip stil uit de kuil.",
    u"Je laaft je aan een gedekte tafel; vergeet je doel niet, dan gedijt alles.",
    u"Heet de vreemden bij je kuil welkom, en aan het eind zijn ze je redding.",
    // 6 HET CONFLICT
    u"Zeg meteen kort wat je dwarszit, en de twist dooft voor hij oplaait.",
    u"Je wijkt voor de sterkere en spaart je dorp, wat niemand je verwijt.",
    u"Leef je van oud bezit zonder naar eer te dingen, dan eindigt het gunstig.",
    u"Omdat je zaak zwak staat, trek je je klacht in; dat pakt gunstig uit.",
    u"Leg je zaak voor aan een wijze scheidsrechter, en je krijgt gelijk.",
    u"Wat je door ruzie binnenhaalt, moet je keer op keer verdedigen.",
    // 7 VERZAMELDE KRACHT
    u"Vertrek pas als ieder zijn taak kent, anders loopt je tocht slecht af.",
    u"Midden tussen je mensen, gesteund van boven, word je met eer overladen.",
    u"Laat je iedereen commanderen, dan rijdt je wagen terug met gewonden.",
    u"Wijk gerust; als veldheer kies je zelf het terrein waarop je vecht.",
    u"Het wild staat in je akker, dus grijp in, maar geef de oudste het bevel.",
    u"Beloon na de zege wie vocht, maar geef gelukzoekers geen zeggenschap.",
    // 8 VERENIGING
    u"Je voegt je van harte bij de anderen en krijgt meer dan je hoopte.",
    u"Sluit je aan uit overtuiging, niet uit angst, en het geluk is met je.",
    u"Waarom schuif je aan bij mensen die niet bij je passen?",
    u"Ook naar buiten toon je bij wie je hoort, en die trouw wordt beloond.",
    u"Eén kant laat je open, zodat ieder vrij kiest; juist zo gedijt de kring.",
    u"Pas als de grendel al dicht is, klop je aan, en zo eindigt het slecht.",
    // 9 KLEINE VRUCHTBAARHEID
    u"Duwt een vlaag je opzij, dan vind je gelukkig je spoor terug.",
    u"Samen met de anderen keer je om, en daar vaar je wel bij.",
    u"Rijd je te hard door, dan breken de spaken en krijg je thuis ruzie.",
    u"Met een open hart rem je een sterkere af, en niemand raakt gewond.",
    u"Wat je met je buren deelt, maakt jullie samen rijker dan ieder apart.",
    u"Het regent eindelijk; trek je na volle maan nog op, dan slinkt je geluk.",
    // 10 HET OPTREDEN
    u"In je gewone kleren ga je op pad, en zo valt je niets te verwijten.",
    u"Alleen en onopvallend volg je het vlakke pad, voorspoedig en vrij.",
    u"Half blind en mank stap je door, tot de tijger bijt en het bloedig afloopt.",
    u"Je staat op de tijgerstaart, maar met uiterste zorg eindigt het goed.",
    u"Je weet wat er moet gebeuren en doet het, al is het ijs onder je dun.",
    u"Kijk aan het eind van de tocht achterom: lopen je voetsporen recht?",
    // 11 DE VREDE
    u"Trek aan één grashalm en de hele pol komt mee: begin bij de jouwen.",
    u"Ook wie met modder aan zijn laarzen binnenkomt, krijgt bij jou een stoel.",
    u"Op elke vlakte volgt een helling: waarom zou je schrikken van de klim?",
    u"Je hoeft niet rijk te lijken om bij je buren welkom te zijn.",
    u"Beneden haar stand trouwt je dochter, en juist dat huwelijk brengt geluk.",
    u"Als een muur brokkelt de goede tijd, en stutten met geweld beschaamt je.",
    // 12 DE WANKLANK
    u"Neem mee wie net zo denkt als jij, en met volharding lukt het vertrek.",
    u"Meebuigen levert wat op, maar wil je vrij blijven, verdraag dan de kou.",
    u"De schaamte over wat je naar je toe trok, is een eerste teken van inkeer.",
    u"Op last van hogerhand handel je vrij van schuld, en je gezellen delen mee.",
    u"De stilstand wijkt ten goede; bind je winst wel aan een stevige stam.",
    u"Na lang duwen geeft de klemmende deur mee, en blij stap je naar buiten.",
    // 13 SAAMHORIGHEID
    u"Bij de poort, voor ieders ogen, sluit je vriendschap zonder smet.",
    u"Trek je alleen met je eigen familie op, wie laat je dan buiten?",
    u"In het struikgewas verstop je wapens, en jarenlang loer je vergeefs.",
    u"Boven op de muur zie je toch af van de aanval: een wijs besluit.",
    u"Na tranen en harde strijd lach je eindelijk bij het weerzien.",
    u"Buiten de stad vind je losse metgezellen, en spijt heb je niet.",
    // 14 OVERVLOED
    u"Zolang je de lasten kent, bederft rijkdom je niet en is er niets mis.",
    u"Een stevige wagen draagt veel; breng je bezit waar het nodig is.",
    u"Je beste oogst draag je af aan de vorst; een gierigaard at hem zelf op.",
    u"De pracht gun je je buren, en op jou valt niets aan te merken.",
    u"Warm en waardig trek je mensen aan zonder dat ze misbruik maken.",
    u"Als de hemel zelf je bijstaat, lukt alles; vergeet niet wie je dat dankt.",
    // 15 DE BESCHEIDENHEID
    u"Door je werk zonder ophef te doen, kom je zelfs over de brede rivier.",
    u"Ook als je zwijgt, spreekt uit elk gebaar dat je jezelf klein houdt.",
    u"Ondanks alle verdienste werk je door, en dat wordt je ruim vergolden.",
    u"Stilte helpt je overal, zolang je je er niet achter verschuilt.",
    u"Nooit pronk je met je bezit, dus je buren volgen je als je hard ingrijpt.",
    u"Je treedt nooit op de voorgrond, dus je mag streng zijn voor je huis.",
    // 16 DE GEESTDRIFT
    u"Roep je nu al hoe prachtig het wordt, dan volgt een afgang.",
    u"Als een rots in de roes stop je bijtijds, en dat is je behoud.",
    u"Kijk je telkens omhoog naar een teken, dan berouwt je het aarzelen.",
    u"Het elan gaat van jou uit; twijfel niet, en vrienden stromen toe.",
    u"Iets knaagt voortdurend aan je, maar het krijgt je niet klein.",
    u"Ook na een te lange roes kun je omkeren, en dan is er niets verloren.",
    // 17 DE NAVOLGING
    u"Nu het vaste schuift, praat je buiten de deur met wie anders denkt.",
    u"Je blijft bij de kwajongen hangen en mist zo de man die ertoe doet.",
    u"De man met gezag kies je, de snotneus laat je lopen; dat betaalt zich uit.",
    u"Men volgt je om de buit; wees open over je doel, dan ben je onschuldig.",
    u"Met heel je hart volg je het schone, en het lot is je goedgezind.",
    u"Al wil je vertrekken, een trouwe band bindt je, en dat strekt je tot eer.",
    // 18 HET HERSTELLEN
    u"Je erft een oude familiefout; riskant, maar met beleid buig je hem recht.",
    u"Wat een zachte hand liet versloffen, herstel je niet met een harde.",
    u"Met te veel drift schuur je wat: een beetje spijt, maar geen grote fout.",
    u"Voor het oude bederf sluit je je ogen, tot het je schande brengt.",
    u"Je herstel oogst lof, vooral met vakmensen aan je zijde.",
    u"Niet alles hoef jij recht te zetten; wat in jezelf scheef zit, gaat voor.",
    // 19 DE TOENADERING
    u"Met gelijkgezinden begin je aan iets beters, en volharding loont.",
    u"Alles werkt mee nu je samen optrekt, dus maak je geen zorgen over later.",
    u"Gemakzucht levert niets op, maar betreur je haar, dan is het je vergeven.",
    u"Met open armen ga je de ander tegemoet, en zo hoort het ook.",
    u"Als wijze leider laat je knappe koppen hun werk doen, tot ieders voordeel.",
    u"Al heb je het zelf niet meer nodig, je keert terug om te helpen.",
    // 20 DE BESCHOUWING
    u"Als een kind kijk je naar de buitenkant; voor een leider is dat schande.",
    u"Door een kier zie je maar een strook, te smal voor een oordeel.",
    u"Kijk naar wat je eigen keuzes opleverden, en beslis dan: vooruit of terug?",
    u"Je doorziet hoe het land bestuurd wordt, en men vraagt je als raadgever.",
    u"Meet je leven aan wat je daden teweegbrengen, niet aan wat je bedoelde.",
    u"Van een afstand, vrij van eigenbelang, zie je je leven helder liggen.",
    // 21 HET DOORBIJTEN
    u"Een snelle straf voor je eerste misstap behoedt je voor erger.",
    u"Gretig bijt je door en je gaat wat te ver, maar schuld treft je niet.",
    u"Een oude, bedorven kwestie ligt je zwaar op de maag, al is het geen ramp.",
    u"Het vlees is taai en vol botten, maar met volharding bijt je erdoorheen.",
    u"In het taaie vlees vind je geel goud, en waakzaam ga je vrijuit.",
    u"Wilde je nooit luisteren, dan sta je uiteindelijk met het blok om je nek.",
    // 22 DE BEKOORLIJKHEID
    u"De aangeboden wagen sla je af, en het eerste stuk loop je gewoon zelf.",
    u"Net als een baard aan de kin beweegt je opsmuk mee met wat eronder zit.",
    u"Glans en gunst omspoelen je, en zolang je niet verweekt, duurt het geluk.",
    u"Je kiest voor eenvoud, en de ruiter die je vreesde, komt als vriend.",
    u"Je schamele rol zijde beschaamt je even, maar je meent het, en dat telt.",
    u"Aan het eind draag je effen wit, eenvoudiger en mooier dan alle pracht.",
    // 23 DE VERSPLINTERING
    u"Het rot zit al in de poot van je bed, en dat voorspelt niets goeds.",
    u"Nu splijt je bed bij de rand, en zonder steun van anderen gaat het mis.",
    u"Breek met wie de boel ondermijnt; het kost je gezelschap, maar geen eer.",
    u"Het verval reikt tot op je huid: dit is het dieptepunt van het verlies.",
    u"Als vissen aan een snoer volgt men je milde hand, en niets zit je dwars.",
    u"Aan de kale boom hangt nog één vrucht; haar pitten zijn je nieuwe begin.",
    // 24 HET KEERPUNT
    u"Na een paar passen merk je de dwaling al, en dat omkeren is een zegen.",
    u"Andermans voorbeeld maakt je terugkeer licht, en dat pakt mooi uit.",
    u"Telkens dwaal je af en keer je om: gevaarlijk, maar elk omkeren telt.",
    u"Midden in een groep die verder trekt, keer jij als enige om.",
    u"Je kijkt jezelf eerlijk aan en keert om: daar krijg je nooit spijt van.",
    u"Mis je het keerpunt, dan volgt een lange dwaaltocht vol ongeluk.",
    // 25 DE ONSCHULD
    u"Volg je eerste ingeving, want wat argeloos begint, loopt zelden mis.",
    u"Ploeg om het ploegen, niet om de oogst; het land beloont je toch.",
    u"Een passant neemt je koe mee: een tegenslag die je niet verdiende.",
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
    u"Je vergeet je voorraad en staart naar andermans bord; dat wreekt zich.",
    u"Waarom bedel je om eten bij wie hoger woont, ver van je eigen pad?",
    u"Wat je nu eet, stilt geen honger maar holt je uit, dus keer je ervan af.",
    u"Speur gerust met tijgerogen naar hulp om anderen te voeden.",
    u"Nog sta je niet op eigen benen, dus steek het grote water niet over.",
    u"Velen leven van wat jij geeft; besef dat gewicht, en waag dan de oversteek.",
    // 28 OVERDAAD IN HET GROTE
    u"Leg witte biezen onder wat je neerzet, want zoveel zorg kan nooit kwaad.",
    u"Een dorre populier loopt uit aan de wortel: iets jongs doet je herleven.",
    u"Duw je koppig door terwijl de balk kraakt, dan stort het dak in.",
    u"De balk wordt gestut en houdt, maar misbruik je de steun, dan schaam je je.",
    u"Als een dorre populier bloei je nog eens; geen schande, maar ook geen eer.",
    u"De taak trekt je kopje-onder; toch was het juist dat je eraan begon.",
    // 29 HET ONPEILBARE
    u"Raak je aan het gevaar gewend, dan glijd je ongemerkt dieper de kuil in.",
    u"Midden in de kloof mik je op kleine winst; alles oplossen lukt niet.",
    u"Voor en achter je gaapt diepte; verroer je niet tot je vaste grond voelt.",
    u"Bied eenvoudig door het raam aan wat je hebt; niemand neemt je dat kwalijk.",
    u"Het water reikt tot de rand maar loopt niet over; meer hoef je niet.",
    u"Met touwen gebonden zit je nog een hele poos tussen doornhagen vast.",
    // 30 HET ZICH-HECHTENDE
    u"Rent je hoofd bij het ontwaken alle kanten op, begin dan bedaard.",
    u"Houd je maat, dan valt er een warm, geel licht over alles wat je aanraakt.",
    u"Zakt je zon, dan helpen zingen noch klagen; kijk kalm hoe het avond wordt.",
    u"Een strovuur geeft een tel veel licht, en daarna veeg je as bijeen.",
    u"Tranen stromen en je zucht diep, maar juist dat verdriet keert het tij.",
    u"Straf de aanstokers, spaar wie volgde, en niemand kan je iets verwijten.",
    // 31 DE AANTREKKING
    u"Het begint in je grote teen, en er gebeurt nog niets wat iemand ziet.",
    u"Al willen je kuiten op pad, nu vertrekken is je ongeluk, dus blijf.",
    u"Je dijen volgen blind een ander; zo meelopen brengt schaamte.",
    u"Met een kalm hart raak je velen, met onrust alleen je eigen vrienden.",
    u"In je stijve nek voel je weinig, maar die onbewogenheid kan geen kwaad.",
    u"Het blijft bij je kaken en tong, bij holle praat die niemand raakt.",
    // 32 DE DUURZAAMHEID
    u"Eis je meteen iets blijvends, dan bouw je op zand en lukt niets.",
    u"Al kun je meer dan je plek vraagt, je matigt je en houdt het zo jaren vol.",
    u"Vind je de ene dag dit en de andere dag dat, wie neemt je dan nog serieus?",
    u"Hoe lang je ook jaagt op een plek zonder wild, je tas blijft leeg.",
    u"Dien je, volg dan trouw de oude lijn; leid je, dan moet je soms wenden.",
    u"Altijd ben je in de weer, nooit sta je stil, en zo beklijft er niets.",
    // 33 DE AFZIJDIGHEID
    u"Als laatste glip je niet meer ongezien weg; houd je liever doodstil.",
    u"Je blijft trouw aan wie vertrekt, taai als leer en niet los te wrikken.",
    u"Een haperende aftocht vreet aan je; leun op de mensen die voor je werken.",
    u"Je vertrekt uit vrije wil en zonder wrok; vastklampen laat je aan anderen.",
    u"Vriendelijk maar beslist neem je op tijd afscheid, hoe men ook aandringt.",
    u"Opgewekt vertrek je zonder om te kijken, vrij van alles wat je bond.",
    // 34 MACHT VAN HET GROTE
    u"Je kracht zit nog in je tenen; een sprint eindigt telkens op je neus.",
    u"Juist nu je de wind in de rug voelt, loont het om gematigd te handelen.",
    u"Gebruik je je macht als een bok zijn hoorns, dan zit je snel vast in de heg.",
    u"De heg wijkt uiteen en laat je los, zodat je wagen weer kan rollen.",
    u"Moeiteloos raak je de bok kwijt en met hem je koppigheid, die je niet mist.",
    u"Als de bok in de heg kun je voor- noch achteruit, tot je ophoudt met duwen.",
    // 35 DE VOORUITGANG
    u"Al stuit je eerste poging op wantrouwen, met gelijkmoedigheid kom je verder.",
    u"Met zorgen vorder je, tot een oudere vrouw je onverwacht steun schenkt.",
    u"Nu iedereen om je heen instemt, valt de twijfel die je had weg.",
    u"Een hamster die stiekem voorraad aanlegt, wekt wantrouwen: ben jij dat?",
    u"Leg het kasboekje van winst en verlies weg; wat je aanpakt, gaat je goed af.",
    u"Doordrukken brengt je niets meer, behalve bij het opruimen van je eigen erf.",
    // 36 DE VERDUISTERING
    u"Als een vogel die met lage vleugels vlucht, neem je honger voor lief.",
    u"Al ben je aan je been gewond, je hebt nog paardenkracht genoeg om te helpen.",
    u"Je vangt de aanvoerder van het duister, maar herstel vraagt meer dan een dag.",
    u"Je doorziet het hart van het duister en verlaat stil het huis.",
    u"Verberg je helderheid zoals de prins die aan een wreed hof de dwaas speelde.",
    u"Het duister dat jouw licht doofde om te klimmen, stort ten slotte omlaag.",
    // 37 HET GEZIN (DE CLAN)
    u"Spreek vanaf het begin heldere huisregels af; dat bespaart later spijt.",
    u"In stilte zorg je voor het eten en de haard, en daarop steunt het hele huis.",
    u"Wees liever te streng dan te los: een huis vol gegiechel eindigt in schaamte.",
    u"Beheer zuinig wat het huis bezit, dan vaart het hele gezin er wel bij.",
    u"Leid je huis met liefde, niet met angst; dan hoeft niemand te vrezen.",
    u"Doe je wat je zegt, dan krijg je gezag dat het huis tot het einde draagt.",
    // 38 DE TEGENSTELLING
    u"Wat van jou is, komt vanzelf terug; groet ook wie je liever ontloopt.",
    u"In een smal steegje loop je onverwacht tegen degene aan die je nodig hebt.",
    u"Alles lijkt je tegen te werken, maar wat zo slecht begint, eindigt beter.",
    u"Tussen mensen die je niet begrijpen, is er toch één die jou wel begrijpt.",
    u"Een verwante ziel baant zich een weg naar je toe; loop hem gerust tegemoet.",
    u"Je spant de boog tegen een vermeende vijand en ziet dan pas je vriend.",
    // 39 DE HINDERNIS
    u"Beneden wachten tot het pad zich toont, levert je meer lof op dan klimmen.",
    u"Je ploetert van modderpoel naar modderpoel, omdat je werkt voor een ander.",
    u"Voor de pas keer je om, naar huis, waar ze blij zijn dat je er weer bent.",
    u"Zonder reisgenoten raak je de pas niet over; wacht tot ze je inhalen.",
    u"Juist nu je last het zwaarst is, snellen vrienden van alle kanten toe.",
    u"Vluchten kon, maar je draait om en klopt aan bij een wijze.",
    // 40 DE BEVRIJDING
    u"Nu de spanning weg is, hoef je niets anders te doen dan bij te komen.",
    u"Je verjaagt drie listige vossen uit het veld, zonder zelf krom te worden.",
    u"Rijd je als een heer rond terwijl je sjouwer bent, dan loert men op je buit.",
    u"Schud los wie als een klit aan je hangt, en echte vrienden melden zich.",
    u"Maak jezelf los, dan trekken ook de kwaadwilligen zich terug.",
    u"Met een welgemikt schot haal je de roofvogel van de muur; nu ligt alles open.",
    // 41 DE VERMINDERING
    u"Is je eigen werk af, help dan een ander, al geef je jezelf niet helemaal weg.",
    u"Door jezelf niet weg te cijferen, heb je een ander juist meer te bieden.",
    u"Een derde paard maakt je span onrustig, maar met twee loop je in de pas.",
    u"Zodra je een slechte gewoonte kwijt bent, staat wie wegbleef bij je deur.",
    u"Iemand overlaadt je met gaven die je niet hoeft te weigeren.",
    u"Je groeit zonder iemand iets af te nemen, zodat velen graag voor je werken.",
    // 42 DE VERMEERDERING
    u"Je krijgt meer kracht mee dan je zelf hebt; zet die in voor een groot werk.",
    u"Niemand kan je de overvloed afnemen die ruimer binnenstroomt dan je vroeg.",
    u"Zelfs een tegenslag werkt in je voordeel, als je open kaart speelt.",
    u"Omdat je in het midden staat, luisteren beide kanten naar wat je overbrengt.",
    u"Uit een goed hart geef je, en of iemand toekijkt, vraag je je niet af.",
    u"Alles voor jezelf bijeengraaien levert je geen hulp op, maar een klap.",
    // 43 DE VASTBERADENHEID
    u"Je stapt de ring in met te zwakke armen en ligt meteen op de mat.",
    u"Waakzaam in de nacht, met je wapens binnen bereik, hoef je niets te vrezen.",
    u"Eenzaam trek je door de regen en men mompelt over je, maar je doet wat moet.",
    u"Onrustig schuifel je heen en weer, terwijl je elke raad wegwuift.",
    u"Onkruid dat steeds terugkomt, wied je met vaste hand, zonder blind te hakken.",
    u"Net als je denkt dat het voorbij is, slaat het kwaad terug.",
    // 44 HET TEGEMOETKOMEN
    u"Zet er meteen een bronzen wig onder: zelfs een mager varken kan gaan razen.",
    u"Houd de vis in je eigen kom in plaats van hem de gasten voor te zetten.",
    u"Je loopt moeizaam en aarzelt, maar wie het gevaar erkent, beperkt de schade.",
    u"In je kom zwemt geen vis meer, omdat je gewone mensen hooghartig negeerde.",
    u"Houd je zaak verborgen als een meloen onder wilgenblad, tot ze vanzelf valt.",
    u"Je weert toenadering af met je hoorns; dat is kil, maar geen echte fout.",
    // 45 HET VERZAMELEN
    u"Twijfel je of je erbij hoort, roep dan hardop, en de kring schuift op.",
    u"De gastheer nodigt je uit: ga, en een handvol graan is als gave genoeg.",
    u"Zuchtend sta je aan de kant, terwijl aansluiten je hooguit wat trots kost.",
    u"Je brengt mensen bijeen voor een zaak die verder reikt dan hun eigen belang.",
    u"Sommigen volgen je om je positie, niet om jou; werk door tot ze je kennen.",
    u"Je huilt omdat je buiten lijkt te staan, en juist die tranen openen de deur.",
    // 46 HET OMHOOGDRINGEN
    u"Je klim begint doordat iemand boven je oog voor je krijgt.",
    u"Weinig breng je mee, maar je gift is gemeend en wordt gezien.",
    u"Je trekt een verlaten stad binnen waar geen poort gesloten is.",
    u"Men laat je offeren op de heilige berg, een eervolle plek om te dienen.",
    u"Trede voor trede klim je de trap op, en elke stap draagt de volgende.",
    u"Klim je in het donker door, dan heb je meer volharding nodig dan drift.",
    // 47 DE BENAUWENIS
    u"Je blijft zitten somberen, terwijl het elk uur donkerder om je heen wordt.",
    u"Eten en drinken genoeg, en toch voel je je leeg, tot iemand je uitnodigt.",
    u"Je duwt tegen rots en leunt op doornen, en zelfs thuis is het koud.",
    u"Je wilt helpen, maar je pronkwagen houdt je op; beschaamd bereik je hen toch.",
    u"Beknot van boven en onder, vind je langzaam uitkomst in stille toewijding.",
    u"Ranken om je enkels doen je wankelen, maar een besliste ruk maakt je vrij.",
    // 48 DE BRON
    u"Uit je verzande put drinkt niemand, en zelfs de vogels slaan hem over.",
    u"Je gaven lekken weg als water uit een kapotte emmer, alleen goed voor visjes.",
    u"Schoon als een gereinigde put sta je klaar, maar niemand komt je halen.",
    u"Je bemetselt de put opnieuw; zo'n pauze in het putten betaalt zich terug.",
    u"Eindelijk drinkt men van wat je te bieden hebt, fris als bronwater.",
    u"Uit de open put schept iedereen naar hartenlust, en je water raakt nooit op.",
    // 49 DE OMWENTELING
    u"Je zit nog vast als in een gele koeienhuid: te vroeg om iets te veranderen.",
    u"De dag van de ommekeer is er en alles ligt klaar; nu mag je beginnen.",
    u"Niet overhaast en niet te traag: pas na drie keer overleg sta je sterk.",
    u"Je woord weegt zwaar genoeg om het oude huis te verbouwen.",
    u"Als een tijger die van vacht wisselt, verander je zichtbaar en overtuigend.",
    u"De ommekeer is voltooid; schaaf aan de details en begin geen strijd meer.",
    // 50 KOSMISCHE ORDE
    u"Keer de ketel om en schud het oude vuil eruit: zo begint iets waardevols.",
    u"Jaloerse blikken glijden over je volle ketel, maar krijgen er geen hap uit.",
    u"Je beste gerecht blijft staan, want de ketel zit vast; straks schept men op.",
    u"Je laadt de ketel te vol, tot een poot breekt en het maal over de vloer gaat.",
    u"Aan de grepen en ringen van je ketel tillen helpers mee, want je blijft open.",
    u"Met ringen van jade, hard en toch zacht, is je ketel af en lukt je alles.",
    // 51 HET OPWINDENDE
    u"Eerst schrik je je wezenloos, en daarna lach je opgelucht om je eigen angst.",
    u"Blijf na de schok op hogere grond; daar keert wat je verloor naar je terug.",
    u"Je raakt van slag, maar laat de schrik je in beweging zetten, niet verlammen.",
    u"De klap verzandt in de modder, en jij staat er versuft bij.",
    u"Golf na golf rolt voorbij, maar blijf je op je post, dan verlies je niets.",
    u"Om je heen slaat men op hol; neem afstand, ook als men erover kletst.",
    // 52 HET STILHOUDEN
    u"Doordat je je voeten stilhoudt voor de eerste stap, zet je die stap goed.",
    u"Je moet stilstaan terwijl een ander doorholt die je niet kunt tegenhouden.",
    u"Dwing je je heupen tot stilstand, dan verkrampt je hart.",
    u"Breng je romp tot stilstand, en ook je gedachten bedaren.",
    u"Je houdt je mond tot je weet wat je wilt zeggen, en dan klinkt het helder.",
    u"Zo diep is je stilte geworden dat ze je draagt als een rots onder je voeten.",
    // 53 DE ONTWIKKELING
    u"Als jonge gans aan de waterkant ben je onzeker; kritiek doet je geen kwaad.",
    u"Veilig op de rots deel je je voer in vrede met wie bij je is.",
    u"Vlieg je te ver over de kale vlakte, dan raak je kwijt wat je had.",
    u"Met zwemvliezen op een tak zit je onwennig, tot je buigend een plek vindt.",
    u"Op de top ben je lang van je geliefde gescheiden, maar niet voorgoed.",
    u"Hoog boven de wolken verdwijn je, en je vlucht wijst anderen de weg.",
    // 54 BETAMELIJKHEID
    u"Als tweede in het huis loop je mank, en toch bereik je wat je moet.",
    u"Met één oog zie je nog genoeg om je belofte na te komen, ook zonder steun.",
    u"Waarom een hogere plek eisen dan je toekomt, als je daardoor lager belandt?",
    u"Je stelt de verbintenis uit, en een late vervulling blijkt de moeite waard.",
    u"Als bruid draag je eenvoudiger kleren dan je meid, en juist dat siert je.",
    u"Je houdt een mand zonder vruchten en een offer zonder bloed: de vorm is hol.",
    // 55 DE VOLHEID
    u"Iemand van je eigen kaliber kruist je pad; een tijd met hem oplopen is goed.",
    u"Het schemert midden op de dag en men wantrouwt je; alleen openheid helpt.",
    u"Met je rechterarm in het gips wacht je rustig af tot het weer licht wordt.",
    u"Midden in het donker ontmoet je je gelijke, en samen breekt het licht door.",
    u"Talentvolle mensen bieden je hun hulp, en met hen groeit je goede naam.",
    u"Je vult je huis met pracht en sluit het af, tot je er op een dag alleen zit.",
    // 56 DE ZWERVER
    u"Je pingelt in de eerste herberg om een stuiver, en de waard vergeet je niet.",
    u"Een knecht die je niet in de steek laat, is onderweg meer waard dan je beurs.",
    u"De herberg brandt af, terwijl je knecht door je hooghartigheid wegloopt.",
    u"Op de plek die je vond, red je je best, maar je schoenen staan klaar.",
    u"Met een enkel raak schot win je als vreemdeling lof en een plaats.",
    u"Overmoedig lach je om je gastheren, tot je dak boven je hoofd afbrandt.",
    // 57 HET ZACHTMOEDIGE
    u"Heen en weer geslingerd moet je kiezen zoals een soldaat: kort en beslist.",
    u"Haal tevoorschijn wat zich onder het bed verschuilt en tegen je werkt.",
    u"Eindeloos wikken en wegen kost je het gezag dat je had.",
    u"Door zacht te blijven aandringen keer je terug met vlees voor de hele tafel.",
    u"Slecht begonnen, toch mooi geëindigd: overweeg vooraf en kijk achteraf terug.",
    u"Buig je overal voor, dan verlies je ten slotte de middelen om je te weren.",
    // 58 HET BLIJMOEDIGE
    u"Tevreden met wat er is, lach je, en verder verlang je niets.",
    u"Je vreugde is echt, zodat elk wantrouwen om je heen verdampt.",
    u"Genot dat je van buiten haalt, vult niets en maakt je hongerig.",
    u"Je weegt het snelle genoegen af tegen het diepe en kiest het blijvende.",
    u"Vleiers hollen je ongemerkt uit: ben je niet te goedgelovig?",
    u"Verleidelijk vermaak trekt aan je; waar voert het je heen?",
    // 59 DE OPLOSSING
    u"Grijp meteen in met alles wat je hebt, voordat het ijs zich vastzet.",
    u"Als alles uiteendrijft, schuif je aan bij de oude tafel waar je thuis bent.",
    u"Je zet je eigenbelang opzij en wint daarmee meer dan je opgaf.",
    u"Stap uit je eigen kliek, en om je heen ontstaat een veel ruimere kring.",
    u"Als zweet dat de koorts uitdrijft, lost je luide woord de verstarring op.",
    u"Breng je mensen weg van het bloedvergieten: afstand nemen is nu geen lafheid.",
    // 60 DE BEPERKING
    u"Blijf nog binnen je eigen muren; de stap naar buiten zet je later.",
    u"De poort staat open en je aarzelt nog; blijf je thuis, dan mis je je kans.",
    u"Je kende geen maat en betaalt de prijs: wijs niet naar een ander.",
    u"Een grens die je graag draagt, zit als een goede schoen: je loopt er vlot op.",
    u"Houd eerst zelf maat; dan smaakt de grens die je stelt ook anderen zoet.",
    u"Tucht die te hard wordt, bijt en schaadt, dus vier de teugels zodra het kan.",
    // 61 INNERLIJKE WAARHEID
    u"Steun op je eigen voorbereiding, niet op heimelijke plannen met anderen.",
    u"Wat je in stilte meent, wordt ver weg gehoord, zoals een roep uit de schaduw.",
    u"Hangt je stemming af van een ander, dan trommel en huil je om beurten.",
    u"De maan is bijna vol: wend je af van je gelijken en reik hoger.",
    u"Omdat je hart en woord één zijn, rijgen mensen zich als kralen aan je vast.",
    u"Als een haan kraai je alsof je tot de hemel reikt, maar vliegen kun je niet.",
    // 62 BEPERKTE INVLOED
    u"Vlieg je als jong vogeltje uit voordat je vleugels dragen, dan val je neer.",
    u"De hoogste deur blijft dicht; een lagere gaat voor je open, en die volstaat.",
    u"Vind je voorzorg overbodig, dan word je van achteren getroffen.",
    u"Forceer niets en ga niet verder: wat je onderweg tegenkomt, is genoeg.",
    u"Dichte wolken maar geen regen: haal een bekwaam mens uit zijn grot.",
    u"Je vliegt voorbij elk doel, als een vogel die zijn nest niet meer vindt.",
    // 63 NA DE VOLTOOIING
    u"Je remt op tijd af bij de oever en komt weg met wat spatten.",
    u"Na zeven dagen is het aanzien dat je verloor er gewoon weer.",
    u"Een gewonnen veldtocht kostte jaren: geef geen macht aan prutsers.",
    u"Ook in goede dagen ontstaat een lek: houd de hele dag een prop bij de hand.",
    u"Een kom rijst die je van harte geeft, weegt meer dan een pronkend feestmaal.",
    u"Je waadt door tot je hoofd onder water verdwijnt: dat was een stap te veel.",
    // 64 VOOR DE VOLEINDING
    u"Je plonst te gretig het water in, en nog voor het midden ben je doorweekt.",
    u"Aan de teugels trek je, maar de wagen rolt door en je koers klopt.",
    u"In je eentje haal je de overkant niet; regel eerst hulp en waag het dan.",
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
