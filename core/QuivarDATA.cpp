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
    u"Zuivere scheppingskracht beweegt zonder rust; wie haar in zich herkent, zet iets nieuws in gang.", // 1
    u"De aarde draagt alles zonder te kiezen; door te ontvangen komt wat gezaaid is tot groei.", // 2
    u"Uit chaos breekt nieuw leven moeizaam door; het begin is warrig, maar vol kiemkracht.", // 3
    u"Een jonge bron zoekt haar weg langs de berg; onwetendheid wijkt voor wie ontvankelijk leert.", // 4
    u"Wolken pakken zich samen, maar de regen valt nog niet; vertrouwen maakt het wachten vruchtbaar.", // 5
    u"De hemel trekt omhoog, het water stroomt omlaag; waar wegen zo uiteengaan, ontstaat twist.", // 6
    u"In de aarde ligt water verborgen; zo bundelt discipline losse krachten tot één geheel.", // 7
    u"Water op de aarde zoekt het laagste punt en stroomt samen; zo vinden mensen elkaar rond een sterk midden.", // 8
    u"Wind drijft wolken langs de hemel zonder regen; iets zachts houdt het sterke even in.", // 9
    u"Wie behoedzaam in de buurt van een sterkere beweegt, blijft door goede manieren ongedeerd.", // 10
    u"Hemel en aarde ontmoeten elkaar; alles bloeit wanneer boven en onder zich verbinden.", // 11
    u"Hemel en aarde wijken uiteen en niets stroomt meer; het goede trekt zich terug.", // 12
    u"Vuur reikt naar de hemel; mensen vinden elkaar in een doel dat groter is dan ieder apart.", // 13
    u"De zon staat hoog en verlicht alles; veel bezit vraagt om een helder en ruim hart.", // 14
    u"De berg houdt zich onder de aarde verborgen; wie zich niet verheft, brengt evenwicht.", // 15
    u"Donder rolt over de aarde en wekt het leven; echte geestdrift neemt anderen vanzelf mee.", // 16
    u"Donder rust diep in het meer; wie wil dat anderen volgen, leert eerst zelf te volgen.", // 17
    u"Wat stilstond, is gaan bederven; door zorgvuldig te herstellen krijgt het nieuw leven.", // 18
    u"Het licht groeit en komt dichterbij; een goede tijd breekt aan, al duurt ook die niet eeuwig.", // 19
    u"Wind waait over de aarde en raakt alles aan; wie stil beschouwt, ziet en wordt gezien.", // 20
    u"Een harde brok zit tussen de kaken; wie vastberaden doorbijt, maakt de weg weer vrij.", // 21
    u"Vuur verlicht de voet van de berg; schoonheid geeft glans, maar is niet de kern van de zaak.", // 22
    u"De berg rust op de aarde, maar brokkelt langzaam af; wat geen fundament heeft, valt uiteen.", // 23
    u"Diep in de aarde roert de donder zich weer; na het donkerste punt keert het licht terug.", // 24
    u"Onder de hemel rolt de donder; wie onbevangen handelt, beweegt mee met de natuur.", // 25
    u"De hemel rust binnen in de berg; grote kracht wordt bewaard en gericht in plaats van verspild.", // 26
    u"Tussen berg en donder opent zich een mond; let op wat je eet en waarmee je anderen voedt.", // 27
    u"Het meer stijgt tot boven de bomen; de last is te zwaar en vraagt om een buitengewone aanpak.", // 28
    u"Water stroomt door kloof na kloof zonder zijn aard te verliezen; zo blijf je trouw, ook in gevaar.", // 29
    u"Vuur brandt alleen zolang het zich ergens aan hecht; zo ontstaat helderheid uit verbondenheid.", // 30
    u"Het meer ligt hoog op de berg; wat elkaar werkelijk aantrekt, geeft en ontvangt tegelijk.", // 31
    u"Donder en wind bewegen steeds samen; wat blijft, is niet star maar vernieuwt zich trouw.", // 32
    u"Het onedele wint terrein en je ruimte krimpt; door tijdig afstand te nemen bewaar je je kracht.", // 33
    u"Er stroomt veel kracht door je heen, als donder aan de hemel; richt haar op wat juist is.", // 34
    u"Zoals de zon boven de aarde opkomt, groeit je invloed als je helder blijft en ruimte geeft.", // 35
    u"Het licht is in de aarde gezonken; in zo'n duistere tijd is het wijs om niet op te vallen.", // 36
    u"Een gezin gedijt als ieder zijn plaats kent; de warmte binnenshuis straalt vanzelf naar buiten.", // 37
    u"Vuur stijgt en water zakt; jullie wegen lopen uiteen, maar in kleine dingen lukt samenwerking.", // 38
    u"Steile rotsen en diep water versperren de weg; wie niet verder kan, keert naar binnen.", // 39
    u"Het onweer barst los en de lucht klaart op; wat vastzat, komt vrij en je kunt weer ademen.", // 40
    u"Wat hier afneemt, komt elders ten goede; met eenvoud en oprechtheid wordt verlies een winst.", // 41
    u"Wat van boven wordt gegeven, doet alles groeien; dit is een gunstige tijd om te ondernemen.", // 42
    u"Het onrecht moet wijken; doorbreek het niet met geweld, maar met openheid en een vaste wil.", // 43
    u"Iets kleins en verleidelijks komt je tegemoet; het lijkt onschuldig, maar wint snel aan macht.", // 44
    u"Mensen komen samen rond een gedeeld doel; eerlijkheid en toewijding houden de kring heel.", // 45
    u"Zoals een jonge boom uit de aarde opgroeit, klim je gestaag hogerop door geduld en volharding.", // 46
    u"Het meer valt droog en je krachten raken op; blijf opgewekt, dan verlies je jezelf niet.", // 47
    u"De bron blijft waar ze is en laaft ieder die komt; zorg dat je echt tot het water reikt.", // 48
    u"Het oude heeft zijn tijd gehad en maakt plaats; een omwenteling slaagt als het moment rijp is.", // 49
    u"Zoals de ketel voedsel bereidt voor velen, laat een heldere orde alles op zijn plaats rijpen.", // 50
    u"De donder rolt en schudt alles wakker; blijf na de schrik kalm, dan kun je er straks om lachen.", // 51
    u"Als een berg die in zichzelf rust, kom je tot stilstand; in die stilte wordt alles helder.", // 52
    u"Een boom op de berg groeit traag maar stevig; echte ontwikkeling volgt haar eigen volgorde.", // 53
    u"Je komt in een afhankelijke positie terecht; met tact en terughoudendheid blijft het goed.", // 54
    u"Alles staat in volle bloei, als de zon op haar hoogste punt; treur niet nu al om het einde.", // 55
    u"Je bent een vreemdeling onderweg; met bescheidenheid en goede manieren vind je gastvrijheid.", // 56
    u"Zacht en aanhoudend als de wind dring je overal door; zo bereik je meer dan met kracht.", // 57
    u"Echte vreugde komt van binnen en is aanstekelijk; gedeeld wordt ze alleen maar groter.", // 58
    u"De wind strijkt over het water; wat verstard en gescheiden was, lost op en stroomt weer.", // 59
    u"Een meer kan maar zoveel water bevatten; gezonde grenzen geven houvast, te strenge knellen.", // 60
    u"Wind beroert het meer tot in de diepte; oprechtheid raakt zelfs wie moeilijk te bereiken is.", // 61
    u"Nu slaagt het kleine beter dan het grote; blijf dicht bij de grond en doe het gewone goed.", // 62
    u"Alles staat op zijn plaats, maar orde is broos; juist nu vraagt het kleine je aandacht.", // 63
    u"Het doel is in zicht maar nog niet bereikt; met zorg breng je de overgang tot een goed einde.", // 64

    // Advice
    u"Handel krachtig en houd vol.", // 1
    u"Volg en draag, leid nu niet.", // 2
    u"Vraag hulp, ga stap voor stap.", // 3
    u"Stel je vraag en luister echt.", // 4
    u"Wacht vol vertrouwen af.", // 5
    u"Zoek overleg, niet je gelijk.", // 6
    u"Zorg voor orde en een doel.", // 7
    u"Kies waar je bij wilt horen.", // 8
    u"Oefen geduld in het kleine.", // 9
    u"Stap voorzichtig en beleefd.", // 10
    u"Gebruik de goede tijd wijs.", // 11
    u"Blijf trouw, ook in stilte.", // 12
    u"Bouw op een gedeeld doel.", // 13
    u"Wees gul zonder te pronken.", // 14
    u"Maak jezelf niet groter.", // 15
    u"Wek anderen met je vuur.", // 16
    u"Volg wat werkelijk goed is.", // 17
    u"Pak aan wat bedorven is.", // 18
    u"Benut de groei die komt.", // 19
    u"Kijk eerst, oordeel later.", // 20
    u"Pak het obstakel kordaat aan.", // 21
    u"Laat vorm de inhoud dienen.", // 22
    u"Houd je stil en wacht af.", // 23
    u"Geef het nieuwe tijd.", // 24
    u"Handel zonder bijbedoeling.", // 25
    u"Bundel je kracht en wacht.", // 26
    u"Kies zorgvuldig wat je voedt.", // 27
    u"Draag de last met beleid.", // 28
    u"Blijf stromen, blijf oprecht.", // 29
    u"Hecht je aan wat licht geeft.", // 30
    u"Sta open voor wat je raakt.", // 31
    u"Houd vast aan je koers.", // 32
    u"Trek je terug zonder wrok.", // 33
    u"Gebruik je kracht met mate.", // 34
    u"Laat je licht gewoon schijnen.", // 35
    u"Bewaar je licht vanbinnen.", // 36
    u"Begin de orde bij jezelf.", // 37
    u"Zoek wat jullie wel verbindt.", // 38
    u"Bezin je en zoek bondgenoten.", // 39
    u"Vergeef wat was en ga verder.", // 40
    u"Houd het eenvoudig en oprecht.", // 41
    u"Grijp de gunstige tijd aan.", // 42
    u"Spreek de waarheid open uit.", // 43
    u"Laat je niet zomaar verleiden.", // 44
    u"Zoek verbinding met anderen.", // 45
    u"Groei rustig en gestaag.", // 46
    u"Zeg weinig en houd moed.", // 47
    u"Put uit je diepste bron.", // 48
    u"Verander op het juiste moment.", // 49
    u"Geef alles zijn juiste plek.", // 50
    u"Schrik, adem en herpak je.", // 51
    u"Kom tot rust in jezelf.", // 52
    u"Neem de tijd, stap voor stap.", // 53
    u"Ken je plaats en wees tactvol.", // 54
    u"Geniet van het volle licht.", // 55
    u"Wees een bescheiden gast.", // 56
    u"Blijf zacht, maar houd vol.", // 57
    u"Deel je vreugde oprecht.", // 58
    u"Laat verharding smelten.", // 59
    u"Stel grenzen die je kunt houden.", // 60
    u"Wees oprecht tot in je kern.", // 61
    u"Doe kleine dingen zorgvuldig.", // 62
    u"Waak over wat bereikt is.", // 63
    u"Ga behoedzaam verder.", // 64

    // Line texts, line 1 (bottom) first
    // 1 HET SCHEPPENDE
    u"Diep onder de oppervlakte rijpt je kracht; treed nog niet naar buiten.",
    u"Voor het eerst wordt je talent zichtbaar; zoek iemand die je verder helpt.",
    u"Onvermoeibaar werk je door; juist als het goed loopt, sluipen fouten binnen.",
    u"Opstijgen of nog even wachten: beide kan, als je maar doet wat bij je past.",
    u"Ten volle ontplooid sta je in het licht; verbind je nu met wie je aanvult.",
    u"Wie steeds hoger wil, raakt de grond kwijt; ken je grens en daal op tijd af.",
    // 2 HET ONTVANGENDE
    u"Een klein scheurtje in de dijk vertelt al veel; neem vroege tekenen serieus.",
    u"Blijf oprecht en ruimhartig; wat vanzelf gaat, hoef je niet te forceren.",
    u"Houd je gaven op de achtergrond en dien een groter doel; erkenning volgt.",
    u"Houd je woorden voor je en trek geen aandacht; zo blijf je buiten schot.",
    u"In je ingetogenheid schuilt je echte waarde; dien met zorg vanuit het midden.",
    u"Grijp je de leiding waar je hoort te volgen, dan ontstaat strijd; ken je rol.",
    // 3 AANVANGSPROBLEMEN
    u"Bij de eerste tegenslag sta je beter even stil; zoek eerst bondgenoten.",
    u"Hulp komt, maar niet elke uitgestoken hand is de juiste; wacht op de ware.",
    u"Blind verder gaan in onbekend terrein loopt slecht af; keer om en zoek raad.",
    u"Zoek nu de verbinding die je eerder meed; samen kom je verder dan alleen.",
    u"Jouw invloed reikt nog niet ver; werk in kleine, zekere stappen.",
    u"Blijf niet hangen in verdriet om wat mislukte; kies een nieuwe weg.",
    // 4 ONERVARENHEID
    u"Een beetje tucht helpt je op weg; te veel ervan knelt en remt je groei.",
    u"Ga mild om met wie nog onwetend is; dat geduld maakt je tot een goede gids.",
    u"Werp je niet in de armen van wie glanst; verlies jezelf niet aan schijn.",
    u"Koppig vasthouden aan dwaze ideeën maakt eenzaam; sta open voor een les.",
    u"Kinderlijke openheid is nu je grootste kracht; vraag en laat je leiden.",
    u"Grijp in waar dwaasheid schade doet, niet uit woede maar om te beschermen.",
    // 5 HET WACHTEN
    u"Het gevaar is nog ver weg; houd vast aan je gewone ritme en wees geduldig.",
    u"Scheve blikken horen bij het wachten; laat ze rustig langs je heen gaan.",
    u"Ongeduld brengt je te dicht bij het gevaar en roept het op; stap terug.",
    u"Midden in de benauwdheid helpt geen paniek; blijf stil en zoek de uitweg.",
    u"Een rustpunt onderweg: geniet van wat er is, maar houd je doel voor ogen.",
    u"Wanneer je vastloopt, komt hulp uit onverwachte hoek; wijs die niet af.",
    // 6 HET CONFLICT
    u"Laat een beginnend geschil niet uitgroeien; een kort woord voorkomt veel.",
    u"Tegen een sterkere partij win je niet; trek je terug en bescherm de jouwen.",
    u"Teer op wat je eerlijk verworven hebt en zoek nu geen eer voor jezelf.",
    u"Winnen zou kunnen, toch zie je ervan af; die keuze brengt innerlijke rust.",
    u"Een rechtvaardige bemiddelaar kan dit beslechten; leg je zaak eerlijk voor.",
    u"Wat je door twist wint, wordt je steeds weer afgenomen; zo'n zege duurt niet.",
    // 7 VERZAMELDE KRACHT
    u"Begin pas als alles goed geregeld is; zonder orde loopt elke poging stuk.",
    u"Midden tussen je mensen sta je sterk; het vertrouwen van boven draagt je.",
    u"Geven te veel mensen bevelen, dan volgt verlies; regel wie er leidt.",
    u"Terugtrekken is nu geen nederlaag maar wijsheid; zo spaar je je krachten.",
    u"Stel een ervaren leider aan en laat onbekwame handen niet meebeslissen.",
    u"Na het succes verdeel je taken en loon; geef geen macht aan kleine geesten.",
    // 8 VERENIGING
    u"Oprechtheid is het begin van elke band; wie eerlijk komt, wordt rijk beloond.",
    u"Verbind je met anderen vanuit je eigen kern en blijf trouw aan jezelf.",
    u"Je zoekt aansluiting bij mensen die niet bij je passen; wees behoedzaam.",
    u"Laat openlijk zien aan wie je trouw bent; die duidelijkheid geeft houvast.",
    u"Echte verbinding dwingt niemand; laat gaan wie gaat, verwelkom wie blijft.",
    u"Wie het moment om zich aan te sluiten mist, staat straks alleen aan de kant.",
    // 9 KLEINE VRUCHTBAARHEID
    u"Keer terug naar je eigen weg; wie niet doordrukt, maakt hier geen fout.",
    u"Ook anderen kiezen voor terugkeer; laat je door hun voorbeeld meenemen.",
    u"Forceer je het nu, dan breekt er iets en volgt ruzie met je naasten.",
    u"Oprechtheid verdrijft angst en gevaar; blijf eerlijk, ook als het spant.",
    u"Trouw verbindt je met anderen; deel wat je hebt, dan groeit het voor allen.",
    u"De regen is gevallen en het doel bereikt; ga nu niet verder, maar rust uit.",
    // 10 HET OPTREDEN
    u"Begin eenvoudig en zonder pretentie; zo ga je je weg zonder gevaar.",
    u"Een rustig pad ligt voor je; wie stil en zelfstandig gaat, blijft veilig.",
    u"Overschat jezelf niet; wie halfblind toch doorloopt, wekt het gevaar op.",
    u"Vlak naast je ligt iets dat kan bijten; uiterste behoedzaamheid redt je.",
    u"Vastberaden doorgaan kan, mits je je bewust blijft van het risico.",
    u"Aan het einde van de tocht zie je wat je stappen waard waren; leer daarvan.",
    // 11 DE VREDE
    u"Een goed begin trekt anderen mee; zet de eerste stap samen met je gelijken.",
    u"Wees ruim van hart en sluit niemand buiten; juist dan draagt het goede ver.",
    u"Geniet van het goede, maar weet dat elk tij keert; houd vast aan wat telt.",
    u"Je hoeft niet rijk te lijken om welkom te zijn; ga eenvoudig naar je buren.",
    u"Wie hoog staat en zich bescheiden verbindt met wie lager staat, brengt zegen.",
    u"Wat opgebouwd was, brokkelt af; vecht er niet tegen, maar orden je kring.",
    // 12 DE WANKLANK
    u"Trek je samen met gelijkgezinden terug; zo blijf je jezelf en elkaar trouw.",
    u"Meebuigen lijkt voordelig, maar wie zich innerlijk vrijhoudt, wint het meest.",
    u"Wie zich onterecht een plaats toe-eigende, gaat zich schamen; dat is winst.",
    u"Handel je vanuit een hogere roeping, dan vind je bondgenoten die meedoen.",
    u"De stilstand wijkt, maar blijf alert; veranker wat je bereikt hebt stevig.",
    u"De impasse breekt open; na de benauwde tijd komt er eindelijk weer vreugde.",
    // 13 SAAMHORIGHEID
    u"Ga de deur uit en ontmoet anderen openlijk; zo begint echte verbondenheid.",
    u"Wie alleen de eigen kring opzoekt, maakt de band smal; kijk verder.",
    u"Achterdocht houdt je op je hoede en op afstand; zo groeit er niets.",
    u"Net voordat je aanvalt, keer je om; dat inzicht behoedt je voor schade.",
    u"Eerst verdriet om wat jullie scheidt, dan vreugde als jullie elkaar vinden.",
    u"Aan de rand van de groep vind je rust, al is het nog geen volle eenheid.",
    // 14 OVERVLOED
    u"Nog is er geen kwaad gedaan; blijf je bewust van de valkuilen van bezit.",
    u"Je rijkdom kan in beweging komen; met goede helpers breng je haar ver.",
    u"Stel je rijkdom ten dienste van het geheel; wie alles zelf houdt, verliest.",
    u"Vergelijk je niet met je buren; wie niet pronkt, blijft vrij van fouten.",
    u"Met warmte en eerlijkheid trek je mensen aan; houd daarbij wel je rug recht.",
    u"Alles valt je toe, omdat je het hogere eert; dit is een gezegende tijd.",
    // 15 DE BESCHEIDENHEID
    u"Wie bescheiden is zonder het te tonen, kan zelfs grote stappen zetten.",
    u"Je bescheidenheid spreekt uit wat je doet; dat wordt vanzelf opgemerkt.",
    u"Je hebt veel bereikt; blijf bescheiden en maak je werk rustig af.",
    u"Laat bescheidenheid je hele handelen kleuren, zonder je te verstoppen.",
    u"Bescheiden hoeft niet zwak te zijn; treed kordaat op waar dat nodig is.",
    u"Begin bij jezelf: orden je eigen huis voordat je anderen iets verwijt.",
    // 16 DE GEESTDRIFT
    u"Wie opschept over wat komen gaat, stoot anderen af; houd het nog voor je.",
    u"Het enthousiasme sleept je niet mee; je voelt precies wanneer het genoeg is.",
    u"Op de gunst van hogeren wachten maakt je besluiteloos; kies zelf.",
    u"Jij bent de bron van dit vuur; vertrouw erop, dan sluiten anderen zich aan.",
    u"Iets blijft knagen en remt je, maar het houdt je juist scherp en levend.",
    u"Je laat je meeslepen door een roes; wie nu nog bijstuurt, voorkomt schade.",
    // 17 DE NAVOLGING
    u"Wat voor jou vaststond, komt in beweging; zoek het gesprek met anderen op.",
    u"Gemak trekt, maar wie daarvoor kiest, raakt kwijt wat er echt toe doet.",
    u"Kies je voor wat wezenlijk is, dan laat je iets kleiners los; dat is goed.",
    u"Men volgt je om eigenbelang; blijf helder en oprecht, dan vergis je je niet.",
    u"Vertrouw op het goede en volg het van harte; dat brengt je geluk.",
    u"Een diepe band houdt je vast, ook als je je wilt terugtrekken; eer die trouw.",
    // 18 HET HERSTELLEN
    u"Een oude fout uit je familie vraagt herstel; begin voorzichtig en grondig.",
    u"Wat uit zwakte misging, herstel je met mildheid en niet met harde hand.",
    u"Wie te fel herstelt, wekt wat wrijving, maar doet uiteindelijk goed werk.",
    u"Oud bederf dat je laat voortbestaan, groeit; schuif het niet voor je uit.",
    u"Je herstelt wat misging en krijgt daarvoor erkenning; zoek goede hulp.",
    u"Je trekt je terug uit de wereld van macht om aan iets hogers te werken.",
    // 19 DE TOENADERING
    u"Samen met anderen beweeg je naar iets goeds; laat het juiste je leiden.",
    u"Alles werkt mee nu je samen optrekt; wees niet bang voor wat later komt.",
    u"Gemakzucht doet je de kans verspelen; wie het inziet, kan nog bijsturen.",
    u"Open en zonder voorbehoud nader je de ander; dat is volkomen passend.",
    u"Wijs leiderschap kiest de juiste mensen en laat hen hun werk doen.",
    u"Ruimhartig keer je terug om anderen te helpen; die edelmoedigheid loont.",
    // 20 DE BESCHOUWING
    u"Als een kind zie je alleen de buitenkant; wie leiding geeft, kijkt dieper.",
    u"Door een kier zie je maar een deel; verruim je blik voordat je oordeelt.",
    u"Weeg af wat je keuzes tot nu toe brachten, en kies dan je volgende stap.",
    u"Je ziet hoe het grotere geheel werkt; breng je kennis in waar ze gewenst is.",
    u"Beschouw de gevolgen van je eigen daden; daarin ligt je zuiverste maat.",
    u"Van een afstand bekijk je je leven; zonder eigenbelang zie je het helderst.",
    // 21 HET DOORBIJTEN
    u"Een kleine misstap wordt direct rechtgezet; dat voorkomt grotere dwaling.",
    u"Je bijt gemakkelijk door en schiet iets te ver; het doel blijft goed.",
    u"Je stuit op iets taais en oud dat onaangenaam smaakt; houd vol, het lukt.",
    u"Het is hard en taai, maar je hebt de kracht; blijf standvastig en waakzaam.",
    u"Het oordeel ligt in jouw handen; weeg zuiver en vergeet het gevaar niet.",
    u"Wie niet wil horen, loopt vast in eigen schuld; luister nu het nog kan.",
    // 22 DE BEKOORLIJKHEID
    u"Kom niet met vertoon binnen; op eigen kracht beginnen siert je meer.",
    u"Versiering volgt de vorm; besteed vooral aandacht aan wat eronder ligt.",
    u"Alles glanst en gaat je goed af; let op dat je niet wegzakt in gemak.",
    u"Iemand komt zonder franje op je af; laat opsmuk varen en ontvang hem open.",
    u"Je geschenk lijkt karig, maar het is oprecht gemeend; uiteindelijk telt dat.",
    u"Puur en onversierd is nu het mooiste; eenvoud zegt meer dan opsmuk.",
    // 23 DE VERSPLINTERING
    u"Het verval begint onderaan, nog nauwelijks zichtbaar; wees er alert op.",
    u"De ondermijning komt dichterbij; zoek steun, want alleen kun je weinig.",
    u"Maak je los van wie het verval voedt, ook als dat je eenzaam maakt.",
    u"Het gevaar raakt je nu direct; dit is het moment van het grootste verlies.",
    u"Wat uiteenviel, voegt zich weer onder een goede leiding; er is hoop.",
    u"Aan de kale boom hangt nog één vrucht; daarin rust een nieuw begin.",
    // 24 HET KEERPUNT
    u"Je bent nog niet ver afgedwaald; keer nu terug, dan is er niets verloren.",
    u"Keer rustig terug en volg het goede voorbeeld van wie je voorgingen.",
    u"Steeds opnieuw afdwalen en terugkeren is zwaar, maar het keren telt.",
    u"Waar de groep een andere kant op gaat, volg jij gerust je innerlijke kompas.",
    u"Keer met open hart terug en onderzoek jezelf; je hebt niets te vrezen.",
    u"Wie het moment om te keren mist, raakt ver van huis; wacht niet langer.",
    // 25 DE ONSCHULD
    u"Volg je eerste, zuivere impuls; wat uit het hart komt, brengt je verder.",
    u"Doe het werk om het werk zelf, niet om de opbrengst; dan gaat het je goed af.",
    u"Onverdiend verlies treft je, omdat een ander iets meenam; draag het kalm.",
    u"Blijf bij wat echt van jou is; dan kan niemand je iets verwijten.",
    u"Een kwaal die je niet zelf veroorzaakte, gaat vanzelf over; forceer niets.",
    u"Zelfs een onschuldige daad is nu misplaatst; wacht tot de tijd rijp is.",
    // 26 DE TEMMENDE KRACHT
    u"Er dreigt gevaar als je nu doorzet; stop en spaar je kracht voor later.",
    u"De rem zit erop en je kunt niet verder; aanvaard het zonder te morren.",
    u"De weg gaat open en je mag vooruit; blijf oefenen en let op gevaar.",
    u"Tem een kracht zolang ze nog jong is; dat bespaart je later veel strijd.",
    u"Pak niet de wilde kracht zelf aan, maar haar oorzaak; dan wordt ze mild.",
    u"De weg naar boven ligt vrij; al je opgespaarde kracht kan nu stromen.",
    // 27 DE VOEDING
    u"Je laat je eigen bron staan en kijkt jaloers naar wat een ander heeft.",
    u"Zoek geen voeding bij wie het je niet gunt; zorg liever zelf voor jezelf.",
    u"Je grijpt naar wat niet voedt en raakt er leeg van; keer je ervan af.",
    u"Zoek gretig hulp om anderen te kunnen voeden; dat is geen schande.",
    u"Je weet dat je steun nodig hebt; blijf geduldig en begin niets groots.",
    u"Anderen putten uit wat jij geeft; ken de zwaarte daarvan en ga moedig verder.",
    // 28 OVERDAAD IN HET GROTE
    u"Leg een zachte, stevige ondergrond voordat je iets zwaars neerzet.",
    u"Verbinding met het jonge en frisse geeft oude kracht nieuw leven.",
    u"Wie koppig doordrukt terwijl alles kraakt, laat de boel bezwijken.",
    u"Steun komt van binnenuit en houdt alles overeind; misbruik die niet.",
    u"Een late bloei geeft schijn van leven, maar verandert weinig aan de kern.",
    u"Het water slaat over je hoofd; je offer is niet zinloos, het doel is goed.",
    // 29 HET ONPEILBARE
    u"Je raakt gewend aan het gevaar en glijdt er steeds dieper in; word wakker.",
    u"Midden in het gevaar los je niet alles op; zet kleine, haalbare stappen.",
    u"Waar je ook stapt, het is glad en diep; beweeg niet tot je vaste grond voelt.",
    u"Eenvoud en oprechtheid openen een deur; een sober gebaar zegt nu het meest.",
    u"Het water stijgt, maar stroomt nog niet over; ga net zo ver als nodig is.",
    u"In je eigen fouten verstrikt kom je niet snel los; geef het tijd.",
    // 30 HET ZICH-HECHTENDE
    u"Bij het begin vraagt alles tegelijk aandacht; breng eerst rust in je hoofd.",
    u"Een warm, zacht licht schijnt vanuit het midden; wie maat houdt, bloeit.",
    u"De zon gaat onder zoals elke dag; geniet van wat er is en klaag niet.",
    u"Wat plots opvlamt, brandt snel op; bouw op iets dat langer meegaat.",
    u"Diep verdriet opent je ogen; wie oprecht rouwt, vindt nieuwe klaarheid.",
    u"Pak de kern van het kwaad aan, maar spaar wie slechts blindelings meeliep.",
    // 31 DE AANTREKKING
    u"Er roert zich iets, nog maar in je tenen; het is te vroeg voor actie.",
    u"Je wilt al lopen voordat het duidelijk is; blijf nog even staan.",
    u"Volg niet iedere opwelling van het hart; wie zomaar meeloopt, krijgt spijt.",
    u"Met een zuiver hart raak je anderen echt; berekening bereikt bijna niemand.",
    u"Stijf en onbewogen maak je geen fouten, maar je raakt ook niemand.",
    u"Mooie woorden alleen overtuigen niet; laat je daden voor je spreken.",
    // 32 DE DUURZAAMHEID
    u"Wie meteen iets blijvends wil, vraagt te veel; duurzaamheid groeit langzaam.",
    u"De spijt verdwijnt wanneer je maat houdt; blijf rustig in het midden.",
    u"Wie steeds van houding wisselt, verliest vertrouwen; wees standvastig.",
    u"Je zoekt op een plek waar niets te vinden is; volharden helpt hier niet.",
    u"Trouw aan gewoonte past bij wie volgt, maar wie leidt moet durven vernieuwen.",
    u"Voortdurende onrust wordt een gewoonte die alles ondermijnt; kom tot rust.",
    // 33 DE AFZIJDIGHEID
    u"Als laatste vertrekken maakt kwetsbaar; houd je nu kalm en waag niets nieuws.",
    u"Houd vast aan wat je dierbaar is; geen druk van buiten maakt die band los.",
    u"Afhankelijke mensen houden je tegen; zorg voor hen, maar blijf niet hangen.",
    u"Je kiest zelf het moment om te gaan; voor jou is dat een opluchting.",
    u"Neem op het juiste moment afscheid, hartelijk maar zonder te aarzelen.",
    u"Niets bindt je nog en je twijfelt niet; met een licht hart ga je verder.",
    // 34 MACHT VAN HET GROTE
    u"Onbeproefde kracht maakt overmoedig; storm je nu al vooruit, dan struikel je.",
    u"Het gaat je voor de wind; juist nu houd je maat en blijf je bescheiden.",
    u"Met je hoofd door de muur willen lost niets op; ware kracht kan ook wachten.",
    u"Volhard rustig, dan wijkt de weerstand en opent zich een weg die dicht leek.",
    u"Koppigheid kun je nu zonder spijt laten varen; je zult haar niet eens missen.",
    u"Elke duw zet je vaster klem; pas als je de impasse erkent, komt er ruimte.",
    // 35 DE VOORUITGANG
    u"Je eerste stappen wekken nog geen vertrouwen; blijf vriendelijk en geduldig.",
    u"Zorgen vergezellen je vooruitgang, maar een warm hart waakt over je.",
    u"Nu anderen achter je staan, valt je eigen twijfel weg; ga samen verder.",
    u"Trek je heimelijk meer naar je toe dan je toekomt, dan val je door de mand.",
    u"Reken niet elke stap na; wie eerlijk doorgaat, vindt deuren die openstaan.",
    u"Wees nu alleen streng voor je eigen fouten, niet voor die van anderen.",
    // 36 DE VERDUISTERING
    u"Vroeg zie je dat het misgaat; vertrek, ook al begrijpt niemand je keuze.",
    u"Gewond, maar niet verlamd, help je anderen met de kracht die je nog hebt.",
    u"In het donker stuit je op de bron van het kwaad; zet niet alles ineens recht.",
    u"Nu doorzie je wat er achter de schermen speelt; vertrek op tijd.",
    u"Weggaan bij het kwaad kan niet; verberg je inzicht en blijf jezelf trouw.",
    u"Wie het licht verduisterde, valt zelf diep; het duister verteert zichzelf.",
    // 37 HET GEZIN (DE CLAN)
    u"Leg vanaf het begin heldere afspraken vast; dat bespaart later veel spijt.",
    u"In stilte zorg je voor wat iedereen nodig heeft; dat houdt het huis bijeen.",
    u"Tucht schuurt, maar zonder tucht ontspoort het huis; houd de teugels kort.",
    u"Met zorg beheer je wat het huis bezit; daar vaart iedereen wel bij.",
    u"Leid het huis met liefde in plaats van angst; dan hoef je niets te vrezen.",
    u"Blijf waarachtig en trouw; dat geeft je vanzelf gezag en een goed einde.",
    // 38 DE TEGENSTELLING
    u"Laat gaan wat zich afwendt; wie dwarsligt, behandel je correct en kalm.",
    u"Langs een onverwachte omweg kom je toch bij degene die je nodig hebt.",
    u"Alles lijkt tegen te zitten en je wordt gehinderd; toch loopt het goed af.",
    u"Juist in je eenzaamheid vind je een gelijkgestemde; schenk elkaar vertrouwen.",
    u"Een verwant reikt je de hand; de stap lijkt groot, maar zet hem gerust.",
    u"Je wantrouwen ziet vijanden in vrienden; leg je wapens neer en kijk opnieuw.",
    // 39 DE HINDERNIS
    u"Ga je nu verder, dan stuit je op een muur; wacht, en je oogst waardering.",
    u"Obstakel na obstakel komt op je weg, omdat je een taak voor anderen draagt.",
    u"Vooruit wacht alleen gevaar; keer terug naar wie blij is je weer te zien.",
    u"Ga niet op eigen houtje verder; wacht tot de juiste mensen naast je staan.",
    u"Juist nu de last het zwaarst is, staan anderen op om met je mee te dragen.",
    u"Loop niet weg uit de moeite; keer om en help mee, dan groeit er iets groots.",
    // 40 DE BEVRIJDING
    u"De spanning is voorbij; rust eerst uit en laat verwijten achterwege.",
    u"Ontmasker wie je listig ondermijnt, maar blijf zelf recht en eerlijk.",
    u"Vertoon dat je positie niet rechtvaardigt, maakt je een makkelijk doelwit.",
    u"Neem afstand van wie je klein houdt; dan vinden echte vrienden je vanzelf.",
    u"Alleen jij kunt je bevrijden van wat je tegenhoudt; doe het vastberaden.",
    u"Met één rustige, gerichte daad ruim je het laatste obstakel uit de weg.",
    // 41 DE VERMINDERING
    u"Geef gerust van je tijd en kracht aan een ander, maar put jezelf niet uit.",
    u"Blijf bij jezelf; je helpt niemand door jezelf weg te cijferen.",
    u"Met te velen verwatert de band; zoek het eerlijke gesprek met één ander.",
    u"Laat een slechte gewoonte los; dan maak je ruimte voor wie je goed doet.",
    u"Onverwacht valt je een rijke gift toe; niets kan haar nog tegenhouden.",
    u"Je groeit zonder iemand iets af te nemen; zo word je tot steun van velen.",
    // 42 DE VERMEERDERING
    u"Gesteund door anderen kun je iets groots beginnen; houd je bedoeling zuiver.",
    u"Het goede stroomt naar je toe zonder dat je erom vraagt; blijf standvastig.",
    u"Zelfs tegenslag levert je winst op, zolang je eerlijk blijft handelen.",
    u"Men luistert naar je als bemiddelaar; zet dat vertrouwen in voor allen.",
    u"Geef zonder te letten op wie het merkt; echte goedheid spreekt voor zich.",
    u"Denk je alleen aan jezelf, dan sta je straks alleen; wees juist nu gul.",
    // 43 DE VASTBERADENHEID
    u"Storm je te vroeg vooruit, dan overschat je je kracht; doe wat je aankunt.",
    u"Blijf alert en goed voorbereid; dan kan geen onraad je nog verrassen.",
    u"Eenzaam trek je verder en men begrijpt je wellicht verkeerd; volg je geweten.",
    u"Rusteloos loop je heen en weer; neem goede raad aan en kom tot bedaren.",
    u"Wat steeds terugkomt, verdwijnt alleen door volharding; houd daarbij de maat.",
    u"Net voor de zege kan het kwaad nog terugslaan; blijf tot het einde waakzaam.",
    // 44 HET TEGEMOETKOMEN
    u"Rem het ongewenste af zolang het nog klein is; later is het niet te stuiten.",
    u"Houd het ongewenste in bedwang en laat het niet op anderen overslaan.",
    u"Je aarzelt; zie het gevaar nuchter onder ogen, dan blijft de schade klein.",
    u"Sluit je je af van gewone mensen, dan sta je alleen als het erop aankomt.",
    u"Bescherm zonder dwang wat je is toevertrouwd; het goede rijpt dan vanzelf.",
    u"Trots houd je je afzijdig; dat lijkt hard, maar je vergissing is gering.",
    // 45 HET VERZAMELEN
    u"Je wilt erbij horen maar aarzelt; laat je twijfel los en stap naar voren.",
    u"Laat je meenemen door wie je roept; je hoeft niets groots mee te brengen.",
    u"Je voelt je buitengesloten; zoek aansluiting bij wie al in de kring staat.",
    u"Breng mensen samen voor het goede; doe het onbaatzuchtig, dan slaagt het.",
    u"Nog niet iedereen vertrouwt je; blijf zuiver en geduldig, dan groeit dat.",
    u"Je treurt omdat niemand je lijkt te zien; die eerlijke klacht opent deuren.",
    // 46 HET OMHOOGDRINGEN
    u"Met steun van boven begin je te stijgen; vertrouw op wie je verder helpt.",
    u"Je middelen zijn klein, maar je inzet is echt; dat wordt hogerop gezien.",
    u"Niets houdt je tegen en alle deuren staan open; ga zonder aarzelen door.",
    u"Je krijgt een eervolle plek om te dienen; je trouw brengt zegen.",
    u"Ga in je eigen tempo verder, geduldig en standvastig; zo bereik je de top.",
    u"Blindelings doorklimmen put je uit; volhard alleen met open ogen.",
    // 47 DE BENAUWENIS
    u"Somber gepieker houdt je gevangen; zoek het licht op, niet de schaduw.",
    u"Je hebt genoeg, maar mist vervulling; wacht rustig op de juiste uitnodiging.",
    u"Duwen tegen muren die niet wijken put je uit; stop ermee en zoek rust.",
    u"De hulp die je zoekt, komt traag op gang; schaam je niet, ze komt er wel.",
    u"Van boven en onder word je beknot; met geduld en toewijding keert het tij.",
    u"Oude angsten houden je verstrikt; zodra je resoluut beweegt, kom je vrij.",
    // 48 DE BRON
    u"Verwaarloos je jezelf, dan heb je weinig te geven; zorg eerst voor je bron.",
    u"Er is water genoeg, maar het lekt weg; geef je gaven een beter vat.",
    u"Veel heb je te geven, maar nog put niemand eruit; wacht, je tijd komt.",
    u"Herstel eerst de wanden van de bron; dat werk gaat nu voor het putten.",
    u"Wat je te bieden hebt, is fris en goed; laat het nu echt bij anderen komen.",
    u"Laat de bron open voor iedereen; wie trouw blijft geven, oogst groot geluk.",
    // 49 DE OMWENTELING
    u"Het is nog te vroeg voor verandering; houd je stevig vast aan wat is.",
    u"Nu het juiste uur geslagen heeft, mag je doorpakken; bereid alles goed voor.",
    u"Ga niet overhaast en niet te traag; overleg goed tot er brede instemming is.",
    u"Je spijt verdwijnt; gedragen door vertrouwen verander je de gang van zaken.",
    u"Zo helder is je vernieuwing dat niemand nog een verklaring nodig heeft.",
    u"De ommekeer is voltooid; verfijn nu het nieuwe en zoek geen verdere strijd.",
    // 50 KOSMISCHE ORDE
    u"Maak eerst schoon en ruim het oude op; dat schept ruimte voor iets nieuws.",
    u"Wat je in je draagt is waardevol; laat de afgunst van anderen je niet raken.",
    u"Je gaven worden nog niet benut; wacht geduldig, de erkenning komt.",
    u"Je neemt te veel op je schouders en het loopt mis; ken je grenzen.",
    u"Als leider ben je helder en toegankelijk; blijf open voor goede raad.",
    u"Hardheid en zachtheid zijn in evenwicht; wat je nu doet, brengt groot geluk.",
    // 51 HET OPWINDENDE
    u"Eerst jaagt de schok je angst aan; daarna volgen opluchting en vreugde.",
    u"Door de schok verlies je iets waardevols; laat het gaan, je krijgt het weer.",
    u"Ben je van slag, gebruik die onrust dan om je koers bij te sturen.",
    u"Na de klap blijf je hangen in verwarring; zoek houvast en kom in beweging.",
    u"Golf na golf trekt voorbij; houd je positie vast, dan verlies je niets.",
    u"Om je heen heerst paniek; houd rustig afstand, wat men er ook van zegt.",
    // 52 HET STILHOUDEN
    u"Sta stil voordat je de eerste stap zet; zo voorkom je een misstap.",
    u"Je kunt een ander niet tegenhouden en moet meegaan; dat doet je pijn.",
    u"Geforceerde stilte maakt je stijf; ware rust laat zich niet afdwingen.",
    u"Breng je lichaam tot rust; dan komt er vanzelf ook ruimte in je hoofd.",
    u"Houd je tong in bedwang; weloverwogen woorden voorkomen spijt.",
    u"Je rust is diep en echt geworden; vanuit die stilte kun je alles aan.",
    // 53 DE ONTWIKKELING
    u"Je begint klein en onzeker en krijgt kritiek; laat je niet ontmoedigen.",
    u"Op een veilige plek aangekomen deel je wat je hebt met wie bij je is.",
    u"Ga je overmoedig te ver, dan verdwaal je; bescherm liever wat je hebt.",
    u"Nog sta je wankel; zoek een tijdelijke plek om op adem te komen.",
    u"Een tijd lang blijven jullie van elkaar gescheiden; toch wint het goede.",
    u"Je ontwikkeling is voltooid; je leven wordt tot voorbeeld voor anderen.",
    // 54 BETAMELIJKHEID
    u"Je rol is bescheiden, maar binnen die grenzen kun je toch veel bereiken.",
    u"Blijf trouw, ook als je partner teleurstelt; bewaar je innerlijke licht.",
    u"Verlang geen hogere plaats dan je toekomt; wacht liever op je kans.",
    u"Stel de verbintenis gerust uit; een late vervulling is het wachten waard.",
    u"Eenvoud staat je beter dan pracht; je waarde hoeft niet te schitteren.",
    u"Een vorm zonder inhoud leidt nergens heen; er is niets echts om te delen.",
    // 55 DE VOLHEID
    u"Je vindt een gelijkwaardige partner; werk samen zolang de tijd goed is.",
    u"Wolken dekken je licht af en men wantrouwt je; houd vast aan de waarheid.",
    u"Het duister is zo dicht dat je niets kunt doen; wacht zonder schuldgevoel.",
    u"Het donker neemt af wanneer je iemand ontmoet die met je meedenkt.",
    u"Bekwame mensen komen op je af; luister naar hen, dat brengt zegen en eer.",
    u"Je sluit je in je overvloed op en raakt alleen; open je deuren weer.",
    // 56 DE ZWERVER
    u"Kleinzielig gedoe over details maakt je onderweg kwetsbaar; zie het grote.",
    u"Onderweg vind je onderdak en een trouwe helper die je bijstaat.",
    u"Hooghartigheid kost je het onderdak en de trouw van wie je hielp.",
    u"Je vindt een tijdelijk thuis, maar voelt je er niet op je gemak.",
    u"Met een gebaar van goede wil win je vrienden en een eervolle plek.",
    u"Spot en overmoed kosten je onderweg snel je rustplaats; blijf nederig.",
    // 57 HET ZACHTMOEDIGE
    u"Twijfel houdt je in zijn greep; neem een besluit en houd je eraan.",
    u"Verborgen invloeden werken tegen je; breng ze geduldig aan het licht.",
    u"Blijf je eindeloos wikken en wegen, dan verlies je gezag en vertrouwen.",
    u"Met bescheiden ijver behaal je nu een rijke oogst die velen ten goede komt.",
    u"Een stroef begin kan goed aflopen; verander met zorg en kijk daarna terug.",
    u"Te veel toegeven kost je je kracht; zacht zijn is niet jezelf verliezen.",
    // 58 HET BLIJMOEDIGE
    u"Stille vreugde die niets meer verlangt, brengt je nu het meeste geluk.",
    u"Je vreugde komt uit een oprecht hart; daardoor verdwijnt elke twijfel.",
    u"Vreugde die van buiten komt, laat je leeg achter; zoek haar niet bij anderen.",
    u"Je weegt lichte tegen diepe vreugde af; kies het blijvende en je vindt rust.",
    u"Vertrouw niet blind op wie je vleit; die ondermijnt je ongemerkt.",
    u"Verleidingen trekken aan je; let goed op waar je vreugde je heen voert.",
    // 59 DE OPLOSSING
    u"Grijp vroeg in voordat onenigheid wortel schiet; snelle hulp is krachtig.",
    u"Voel je je vervreemd, zoek dan snel steun bij wat je van harte vertrouwt.",
    u"Laat je eigenbelang los; door je aan een groter doel te wijden, vind je rust.",
    u"Je maakt je los van je eigen kring; zo ontstaat een grotere eenheid.",
    u"Een helder, bevrijdend woord van jou verbindt wat uit elkaar was gevallen.",
    u"Trek je terug uit gevaar en neem de jouwen mee; dat is wijs, geen lafheid.",
    // 60 DE BEPERKING
    u"Blijf nu binnen je eigen muren; buiten is het nog niet je tijd.",
    u"De deur staat open en je aarzelt; blijf je nu zitten, dan mis je je kans.",
    u"Je kende geen maat en draagt nu de gevolgen; verwijt het niemand anders.",
    u"Grenzen die je zonder moeite aanvaardt, geven rust en laten je slagen.",
    u"Houd je eerst zelf aan de maat die je vraagt; dan volgt men je graag.",
    u"Te harde beperking knelt en schaadt; gebruik strengheid alleen als het moet.",
    // 61 INNERLIJKE WAARHEID
    u"Vertrouw op je eigen innerlijke houvast; zoek geen heimelijke steun elders.",
    u"Wat je vanuit je hart uitzendt, vindt weerklank bij wie met je verwant is.",
    u"Hangt je stemming af van een ander, dan slinger je tussen jubel en verdriet.",
    u"Wend je af van je gelijken en richt je op het hogere; zo blijf je zuiver.",
    u"Als een sterke, onzichtbare band verbindt je oprechtheid de mensen.",
    u"Grote woorden zonder grond klinken hol; beloof niet meer dan je waarmaakt.",
    // 62 BEPERKTE INVLOED
    u"Wil je te vroeg hoog vliegen, dan stort je neer; blijf nog even laag.",
    u"De top bereik je niet, wel een plek die bij je past; aanvaard dat met rust.",
    u"Onderschat het gevaar niet; een kleine voorzorg bespaart je veel leed.",
    u"Dring niet aan, maar wacht waakzaam af; nu is terughoudendheid sterk.",
    u"Alleen lukt het niet; zoek een bekwaam mens die nog in de schaduw staat.",
    u"Je schiet voorbij je doel; te hoog grijpen haalt onheil over je heen.",
    // 63 NA DE VOLTOOIING
    u"Rem tijdig af na het succes; wie doorstormt, raakt snel uit evenwicht.",
    u"Je mist even de erkenning die je toekomt; wacht geduldig, ze komt terug.",
    u"Zelfs een gewonnen strijd put je uit; neem nu rust voordat je verder bouwt.",
    u"Ook in goede dagen ontstaan lekken; blijf alert en houd iets achter de hand.",
    u"Een eenvoudig, oprecht gebaar weegt zwaarder dan een groots vertoon.",
    u"Ga niet door als het werk klaar is; wie te ver gaat, raakt kopje-onder.",
    // 64 VOOR DE VOLEINDING
    u"Begin je te vroeg, dan raak je in de problemen; wacht tot je sterker bent.",
    u"Rem je vaart af zonder stil te staan; geduldig blijf je op de goede koers.",
    u"Je kunt de overgang nog niet alleen maken; zoek hulp en waag dan de stap.",
    u"Nu is het tijd voor beslist optreden; je inzet wordt rijkelijk beloond.",
    u"De twijfel is voorbij en je licht straalt; het succes is echt en verdiend.",
    u"Vier het bereikte met vertrouwen, maar verlies in de vreugde niet je maat.",
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
