#include "tools/guidaprogramma.h"

#include <QFile>
#include <QSaveFile>

namespace {

// Each topic: context number, heading, body. Bodies are short HTML fragments; links between
// topics point at "#ctx-<context>".
struct Voce {
    int contesto;
    const char* titolo;
    const char* testo;
};

const Voce kVoci[] = {
    {1, "Benvenuti in Golvarno 2000", R"(
<p>Golvarno 2000 tiene l'archivio completo di un campionato di calcio: squadre, calendario,
risultati, formazioni, voti, cartellini, sostituzioni e reti. Da questi dati ricava classifiche,
statistiche, confronti e grafici.</p>
<p>Ogni campionato è un file con estensione <b>.GVN</b>: per la stagione successiva si crea un nuovo
file partendo da quello attuale, così le stagioni passate restano consultabili.</p>
<p>Il lavoro di ogni giornata, in breve:</p>
<ol>
<li>inserire i risultati della giornata (<b>F4</b>);</li>
<li>se si desidera, completare i tabellini: formazioni, voti, cartellini, sostituzioni e reti;</li>
<li>consultare classifica (<b>F6</b>), marcatori (<b>Ctrl+F6</b>) e squalificati.</li>
</ol>
<p>Per cominciare leggere <a href="#ctx-50">Creare un nuovo campionato</a> e
<a href="#ctx-10">Il calendario automatico</a>.</p>
)"},
    {2, "Primi passi", R"(
<p>All'avvio Golvarno 2000 mostra la finestra di introduzione, che chiede <i>Cosa desideri fare?</i>:</p>
<ul>
<li><b>Aprire un campionato esistente</b>: si sceglie un file .GVN;</li>
<li><b>Creare un nuovo campionato</b>: si apre la procedura guidata di creazione;</li>
<li><b>Consultare la guida</b>: si apre questa guida.</li>
</ul>
<p>Togliendo il segno di spunta dalla casella in basso, la finestra non verrà più mostrata all'avvio.
All'apertura del programma nessun campionato viene aperto automaticamente.</p>
)"},
    {3, "La finestra principale", R"(
<p>La finestra principale contiene i menu, la barra dei pulsanti e tutte le finestre di lavoro.
Il titolo riporta il nome del campionato aperto. I comandi che lavorano sui dati chiedono di aprire
un campionato se non ce n'è uno aperto.</p>
<p>Tasti rapidi:</p>
<table border="1" cellspacing="0" cellpadding="3">
<tr><td><b>F2</b></td><td>Registrare una nuova giornata del calendario</td></tr>
<tr><td><b>F3</b></td><td>Aprire un campionato</td></tr>
<tr><td><b>F4</b></td><td>Inserire i risultati della prossima giornata</td></tr>
<tr><td><b>F5</b> / <b>Maiusc+F5</b></td><td>Calendario del campionato / prossimo turno</td></tr>
<tr><td><b>F6</b> / <b>Maiusc+F6</b></td><td>Classifica generale / classifica parziale</td></tr>
<tr><td><b>Ctrl+F6</b></td><td>Classifica marcatori</td></tr>
<tr><td><b>F7</b> / <b>Maiusc+F7</b></td><td>Rosa di una squadra / informazioni societarie</td></tr>
<tr><td><b>Ctrl+F7</b></td><td>Tabella di marcia di una squadra</td></tr>
<tr><td><b>Ctrl+S</b> / <b>Ctrl+G</b></td><td>Statistiche / grafico dell'andamento di una squadra</td></tr>
<tr><td><b>F1</b></td><td>Questa guida, all'argomento della finestra in uso</td></tr>
</table>
<p>Il comando <i>Esci da Golvarno</i> chiude subito il programma: i dati sono già stati registrati
nel file man mano che si lavora.</p>
)"},
    {5, "Aprire un campionato", R"(
<p>Menu <i>File, Apri campionato</i> (<b>F3</b>) o il primo pulsante della barra. Scegliere il file
.GVN del campionato. Il campionato aperto in precedenza viene chiuso insieme alle sue finestre.</p>
<p>Se il file non è un campionato di Golvarno 2000 il programma lo segnala e il campionato in uso
resta aperto. I file della versione precedente vanno prima convertiti (vedere
<a href="#ctx-59">Conversione dei file della versione 4</a>).</p>
<p>Dopo l'apertura viene mostrata la scheda del campionato, se questa opzione è attiva.</p>
)"},
    {50, "Creare un nuovo campionato", R"(
<p>Menu <i>File, Nuovo campionato, Partendo da zero</i>. La procedura ha due fasi.</p>
<p><b>Fase 1 - Informazioni generali</b></p>
<ul>
<li><b>Nome del file</b> ed <b>estensione</b> (di solito GVN): il nome va scritto senza punto e senza i
caratteri * e ?, e non deve essere quello di un file già esistente;</li>
<li><b>Denominazione del campionato</b>: il nome che compare nel titolo della finestra;</li>
<li><b>Squadre iscritte</b>: da 4 a 20;</li>
<li><b>Numerazione maglie</b>: <i>tradizionale</i>, con i numeri assegnati partita per partita, oppure
<i>numero personale</i> per ogni giocatore, lo stesso per tutta la stagione;</li>
<li><b>Punti da assegnare</b> per vittoria, pareggio e sconfitta (normalmente 3, 1 e 0).</li>
</ul>
<p><b>Fase 2 - Squadre iscritte</b>: scrivere i nomi delle squadre, ognuna con un nome diverso. I nomi
non possono contenere l'apostrofo: scrivere per esempio <i>Citta di Castello</i> invece di
<i>Citta' di Castello</i>.</p>
<p>Premendo <b>Fatto</b> il file viene creato e aperto. Subito dopo il programma chiede se si desidera
<b>creare automaticamente il calendario</b>:</p>
<ul>
<li><b>Sì</b>: si apre la creazione automatica del calendario (vedere
<a href="#ctx-10">Il calendario automatico</a>). È possibile solo con un numero pari di squadre da 6 a 20;</li>
<li><b>No</b>: il calendario si potrà registrare a mano, giornata per giornata (vedere
<a href="#ctx-11">Registrare le giornate a mano</a>), oppure creare automaticamente più tardi dal menu
<i>Campionato</i>.</li>
</ul>
<p>Le rose delle squadre si inseriscono in seguito dal menu <i>Squadre</i> (vedere
<a href="#ctx-33">Le rose delle squadre</a>).</p>
)"},
    {51, "Una nuova stagione dal campionato attuale", R"(
<p>Menu <i>File, Nuovo campionato, Da campionato attuale</i>. Il campionato aperto viene copiato in un
nuovo file, che diventa il campionato in uso; il file della stagione precedente non cambia.</p>
<p>Nel nuovo file:</p>
<ul>
<li>si possono eliminare le squadre retrocesse (insieme ai loro giocatori) e aggiungere le nuove;</li>
<li>si dà un nuovo nome al campionato;</li>
<li>calendario, risultati, formazioni e reti vengono cancellati, e le reti dei giocatori azzerate.</li>
</ul>
<p>Le rose e le informazioni societarie delle squadre confermate restano: basta aggiornare acquisti e
cessioni.</p>
)"},
    {52, "Proprietà del campionato", R"(
<p>Menu <i>Campionato, Proprietà del campionato</i>. Si possono cambiare il nome del campionato, i punti
per vittoria, pareggio e sconfitta e il tipo di numerazione delle maglie. Dopo il salvataggio il
campionato viene ricaricato e le finestre aperte vengono chiuse.</p>
<p>Dalla stessa finestra si può <b>rinominare una squadra</b>: il nuovo nome viene scritto subito in
calendario, risultati, formazioni, reti e classifica. Il nome non può contenere l'apostrofo né essere
uguale a quello di un'altra squadra.</p>
)"},
    {53, "Informazioni societarie", R"(
<p>Menu <i>Squadre, Gestione, Informazioni societarie</i> (<b>Maiusc+F7</b>). Per ogni squadra:
allenatore, presidente, città, sede, campo, colori sociali, telefono, fax e note.</p>
<p>Il campo <b>Penalità</b> contiene i punti di penalizzazione: vengono sottratti dai punti della squadra
in classifica.</p>
)"},
    {54, "La scheda del campionato", R"(
<p>Menu <i>Campionato, Scheda del campionato</i>. Offre un colpo d'occhio sul campionato: le squadre,
la classifica, i marcatori, l'ultima giornata disputata e la prossima da disputare. Il pulsante in basso
apre la finestra completa corrispondente (rosa, classifica, calendario, inserimento risultati o
marcatori).</p>
<p>La casella di spunta decide se la scheda compare da sola ogni volta che si apre un campionato.</p>
)"},
    {10, "Il calendario automatico", R"(
<p>Menu <i>Campionato, Creazione automatica del calendario</i>, oppure la risposta <b>Sì</b> alla domanda
che segue la creazione di un nuovo campionato. Premere <b>Crea !</b>: il programma registra tutte le
giornate del girone di andata.</p>
<ul>
<li>È disponibile per un numero <b>pari</b> di squadre <b>da 6 a 20</b>. Con un numero dispari di squadre,
o con 4, il calendario va registrato a mano.</li>
<li>Ogni squadra incontra tutte le altre una volta nel girone di andata. Il girone di ritorno ripete le
stesse giornate con le squadre a campi invertiti.</li>
<li>Le partite in casa e in trasferta si alternano: nessuna squadra gioca più di due volte di fila in
casa o in trasferta.</li>
<li>La squadra che apre lo schema viene estratta a sorte, quindi due calendari creati per le stesse
squadre sono di solito diversi.</li>
<li>Se nel campionato è già registrata anche una sola giornata, il calendario automatico non viene
creato. Per rifarlo da capo usare la verifica del calendario, che cancella le giornate esistenti e
crea un nuovo calendario.</li>
</ul>
<p>Se il programma segnala che <i>manca il file contenente i dati per creare automaticamente il
calendario</i>, nella cartella del programma manca il file S<i>n</i>.DTA per quel numero di squadre
(per esempio S18.DTA per 18 squadre): reinstallare il programma.</p>
<p>Date e orari delle partite si aggiungono poi dalla registrazione delle giornate (<b>F2</b>).</p>
)"},
    {11, "Registrare le giornate a mano", R"(
<p>Menu <i>Campionato, Giornate, Registra incontri</i> (<b>F2</b>) propone la giornata successiva
all'ultima registrata; <i>Cambia gli incontri</i> parte dalla prima giornata per correggerle.</p>
<p>Per ogni giornata si indicano gli accoppiamenti, con la squadra di casa del girone di andata a
sinistra, e le date e gli orari di andata e ritorno. Con un numero dispari di squadre una squadra per
giornata riposa.</p>
<p>Ogni giornata registrata vale per entrambi i gironi: nel ritorno la partita si gioca sul campo
dell'altra squadra.</p>
)"},
    {12, "Consultare il calendario", R"(
<p>Menu <i>Partite, Calendario</i>:</p>
<ul>
<li><b>Calendario del campionato</b> (<b>F5</b>): dalla prima giornata di andata; con le frecce si
scorrono giornate e gironi;</li>
<li><b>Ultimo turno disputato</b>: l'ultima giornata giocata;</li>
<li><b>Prossimo turno</b> (<b>Maiusc+F5</b>): la prima giornata non ancora disputata;</li>
<li><b>Partite da recuperare</b>: le partite rinviate o sospese, cioè non ancora disputate in giornate
già giocate.</li>
</ul>
<p>Dal calendario si passa all'inserimento dei risultati della giornata mostrata e al tabellino di ogni
partita.</p>
)"},
    {15, "Inserire i risultati", R"(
<p>Menu <i>Partite, Risultati, Inserisci prossima giornata</i> (<b>F4</b>) apre la prima giornata non
ancora disputata. Per ogni partita si scrivono i gol delle due squadre e si mette il segno sulla
casella <b>Disputata?</b>; si possono indicare anche data e ora.</p>
<ul>
<li>Nel girone di ritorno gioca in casa la seconda squadra dell'accoppiamento di andata.</li>
<li>Una partita rinviata resta senza segno su <i>Disputata?</i>: non conta in classifica e compare tra
le partite da recuperare.</li>
<li>Se si scrive un risultato senza segnare <i>Disputata?</i> il programma chiede se la partita è stata
giocata. Una partita segnata come disputata ma con un punteggio mancante non viene accettata.</li>
<li>I risultati vengono salvati anche quando si passa a un'altra giornata o si chiude la finestra.</li>
</ul>
<p>La classifica viene ricalcolata ogni volta che la si apre.</p>
)"},
    {16, "Il referto della partita", R"(
<p>Per ogni partita e ogni girone si possono registrare l'arbitro, i guardalinee, le condizioni del
tempo e del campo, il numero degli spettatori e, per ciascuna squadra, tiri, tiri in porta, fuorigioco,
falli, possesso palla e calci d'angolo. I dati compaiono nella scheda della partita.</p>
)"},
    {17, "Ricerca dei risultati", R"(
<p>Menu <i>Squadre, Andamento, Ricerca risultati</i>. Si sceglie una squadra e si scorrono le sue
partite, a partire dalla giornata e dal girone indicati. Dalla partita trovata si apre il tabellino.</p>
)"},
    {20, "La classifica generale", R"(
<p>Menu <i>Classifiche, Classifica generale</i> (<b>F6</b>). La classifica è calcolata da tutte le
partite segnate come disputate, con i punti per vittoria, pareggio e sconfitta del campionato e
togliendo le penalità di ogni squadra.</p>
<p>L'ordine normale è: punti, poi meno partite giocate, differenza reti, gol fatti e vittorie. La
classifica si può ordinare in sedici modi diversi (per esempio solo partite in casa o in trasferta,
gol fatti o subiti, media inglese).</p>
<p>La <b>media inglese</b> misura la distanza dalla squadra ideale che vince tutte le partite in casa e
pareggia tutte quelle in trasferta, che resta a zero. Vittoria in casa e pareggio in trasferta: 0;
pareggio in casa: -1; sconfitta in casa: -2; vittoria in trasferta: +1; sconfitta in trasferta: -1.</p>
)"},
    {21, "La classifica parziale", R"(
<p>Menu <i>Classifiche, Classifica parziale (da... a...)</i> (<b>Maiusc+F6</b>). Si indicano la prima
giornata con il suo girone e l'ultima giornata con il suo girone: la classifica viene calcolata solo
sulle partite di quel tratto. Serve per esempio per la classifica del solo girone di ritorno o delle
ultime cinque giornate.</p>
<p>La giornata iniziale deve venire prima di quella finale.</p>
)"},
    {25, "La tabella di marcia di una squadra", R"(
<p>Menu <i>Squadre, Andamento, Tabella di marcia</i> (<b>Ctrl+F7</b>). Scegliere la squadra in alto a
destra: la tabella elenca tutte le giornate di andata e di ritorno con data, ora, squadre e risultato.
Un piccolo segno colorato indica vittoria (verde), pareggio (giallo) o sconfitta (rossa) della squadra.
Le giornate in cui la squadra riposa sono indicate come <i>Turno di riposo</i>.</p>
<p>Un doppio clic su una riga apre il tabellino della partita. I pulsanti a lato aprono il grafico
dell'andamento, le statistiche sull'andamento e la ricerca dei risultati della squadra.</p>
)"},
    {26, "Statistiche sull'andamento", R"(
<p>Menu <i>Squadre, Andamento, Statistiche andamento</i> (<b>Ctrl+S</b>). Per la squadra scelta la
tabella riporta, per il girone di andata, per quello di ritorno e per l'intera stagione, in casa, in
trasferta e in totale: partite giocate, vinte, pareggiate e perse, gol fatti e subiti, punti
conquistati.</p>
<p>Contano solo le partite segnate come disputate. Le penalità non sono sottratte: per la classifica
ufficiale usare la <a href="#ctx-20">classifica generale</a>.</p>
)"},
    {57, "Almanacco del campionato", R"(
<p>Menu <i>Campionato, Almanacco del campionato</i>, o il pulsante delle statistiche nella barra. Mette
a confronto girone di andata, girone di ritorno e totale: giornate e partite disputate, vittorie
interne, pareggi, gol e media gol per partita, rigori, ammonizioni ed espulsioni.</p>
<p>Rigori e cartellini vengono dai tabellini: se le reti e le formazioni non sono state inserite
quei valori restano a zero. Dalla finestra si aprono anche le proprietà del campionato.</p>
)"},
    {33, "Le rose delle squadre", R"(
<p>Menu <i>Squadre, Gestione, Visualizza rosa</i> (<b>F7</b>). Si sceglie una squadra e si vede
l'elenco dei suoi giocatori con ruolo e numero di maglia. Da qui si inseriscono nuovi giocatori, si apre
la scheda personale, si vende un giocatore a un'altra squadra o se ne acquista uno.</p>
)"},
    {34, "Le schede dei giocatori", R"(
<p>Menu <i>Giocatori, Schede personali</i>. La scheda mostra i dati anagrafici, ruolo, numero, foto e
note del giocatore, e le sue cifre della stagione: presenze, reti, ammonizioni, espulsioni e media
voto. I dati si possono correggere e salvare dalla scheda stessa.</p>
<p>La foto è un file di immagine scelto sul disco: il programma ne memorizza solo il percorso, quindi
il file non va spostato.</p>
)"},
    {30, "Nuovo giocatore", R"(
<p>Si apre dalla rosa di una squadra o dalla scheda di un giocatore. Scrivere i dati del giocatore: il
<b>cognome</b> è obbligatorio, gli altri dati sono facoltativi. Il ruolo si sceglie dall'elenco o si
scrive liberamente. La squadra proposta è quella da cui si è partiti, ma si può cambiare. La foto si
aggiunge con <i>Inserisci / modifica</i>.</p>
<p>Il primo <b>Salva</b> aggiunge il giocatore; i salvataggi successivi correggono lo stesso giocatore.
Per inserirne un altro premere <b>Nuovo</b>: la scheda si svuota e resta aperta. <b>Chiudi</b> non
salva le modifiche non ancora registrate.</p>
)"},
    {31, "Acquisto di un giocatore", R"(
<p>Si apre dalla rosa della squadra che acquista, che è già indicata in alto. Nell'albero delle squadre
scegliere la squadra che cede (o <i>Tutte le squadre</i>), poi il giocatore nell'elenco, e premere
<b>Acquistare</b>.</p>
<p>Il giocatore passa alla nuova squadra con tutti i suoi dati. Presenze, voti e reti delle partite
già giocate restano registrati con la squadra di allora. Il pulsante <i>Scheda giocatore</i> mostra la
scheda del giocatore selezionato prima dell'acquisto.</p>
)"},
    {32, "Vendita di un giocatore", R"(
<p>Si apre dalla rosa, dopo aver selezionato il giocatore. Scegliere la squadra che lo acquista e
confermare. Come per l'acquisto, le presenze e le reti già registrate restano con la vecchia
squadra.</p>
)"},
    {60, "Elenco completo dei giocatori", R"(
<p>Menu <i>Giocatori, Elenco completo</i>. Tutti i giocatori del campionato in ordine alfabetico per
cognome e nome, con squadra e ruolo.</p>
<p>I pulsanti con le lettere portano al primo giocatore il cui cognome comincia con quella lettera.
<b>Scheda giocatore</b>, o un doppio clic sulla riga, apre la scheda personale del giocatore
selezionato.</p>
)"},
    {35, "Giocatori squalificati", R"(
<p>Menu <i>Giocatori, Elenco squalificati</i>. Elenca i giocatori che non potranno giocare nella
giornata che segue l'ultima disputata:</p>
<ul>
<li>i giocatori <b>espulsi</b> nell'ultima giornata;</li>
<li>i giocatori <b>ammoniti</b> nell'ultima giornata che con quell'ammonizione raggiungono il numero di
ammonizioni che comporta la squalifica (3, 6, 9... con il valore proposto).</li>
</ul>
<p>Il numero di ammonizioni per la squalifica si cambia con le frecce; premere <b>Ricalcola</b> per
aggiornare l'elenco. Il calcolo si basa sui cartellini registrati nelle formazioni.</p>
)"},
    {40, "Tabellini: formazioni, voti e cartellini", R"(
<p>Menu <i>Partite, Risultati, Tabellini completi</i>. Per ogni partita si registrano le formazioni
delle due squadre: gli undici titolari e i giocatori entrati, con il numero di maglia.</p>
<ul>
<li><b>Voto</b>: da 3 a 10 con i mezzi punti; <i>S.V.</i> quando il giocatore non è stato
giudicato;</li>
<li><b>Cartellino</b>: ammonito (cartellino giallo) o espulso (cartellino rosso);</li>
<li>un giocatore che non è nella rosa si può scrivere per nome: comparirà nel tabellino ma non nelle
statistiche personali.</li>
</ul>
<p>Le formazioni vengono salvate quando si passa a un'altra partita, giornata o girone, e alla chiusura.
Le opzioni di visualizzazione decidono se i voti compaiono nel tabellino.</p>
)"},
    {41, "Sostituzioni", R"(
<p>Per ogni sostituzione si indicano il giocatore uscito, quello entrato e il minuto. Il minuto si
conta all'interno del tempo: per esempio <i>30 s.t.</i> è il trentesimo minuto del secondo tempo.</p>
)"},
    {44, "Reti", R"(
<p>Per ogni rete si indicano la squadra, il marcatore, il minuto (nel primo o nel secondo tempo; se non
si conosce compare <i>N.s.</i>) e il tipo: tiro di destro, tiro di sinistro, colpo di testa, calcio di
punizione, calcio di rigore, rovesciata, colpo di tacco o autorete.</p>
<p>Un'<b>autorete</b> si registra con la squadra del giocatore che l'ha segnata e vale per la squadra
avversaria. Le reti aggiornano subito la classifica marcatori.</p>
<p>Il risultato della partita si scrive comunque nell'inserimento dei risultati: le reti del tabellino
non lo cambiano.</p>
)"},
    {45, "Classifica marcatori", R"(
<p>Menu <i>Classifiche, Classifica marcatori</i> (<b>Ctrl+F6</b>). I giocatori con almeno una rete in
ordine di reti segnate, per tutto il campionato o per una squadra. L'elenco dettagliato divide le reti
per tipo, compresi i rigori.</p>
)"},
    {46, "Classifiche dei giocatori e delle squadre", R"(
<p>Dai menu <i>Classifiche</i> e <i>Giocatori</i>:</p>
<ul>
<li><b>rigori</b>, <b>fair play</b> (ammonizioni ed espulsioni per squadra) e <b>autogol</b>;</li>
<li><b>presenze</b>, <b>ammonizioni</b> ed <b>espulsioni</b> dei giocatori;</li>
<li><b>pagelle</b>: media voto, i dieci migliori (<i>Top Ten</i>) e la <i>Dream Team</i>, la squadra
ideale composta dai giocatori con la media voto più alta per ruolo.</li>
</ul>
<p>Le classifiche si basano sulle formazioni e sulle reti registrate nei tabellini.</p>
)"},
    {42, "Confronto statistico tra due squadre", R"(
<p>Menu <i>Confronti, Squadre, Confronto statistico</i>. Scegliere le due squadre e premere il pulsante
per visualizzare il confronto. La tabella mette a fianco le cifre delle due squadre per girone di
andata, girone di ritorno e totale, in casa, in trasferta e complessive: partite giocate, vinte,
pareggiate e perse, gol fatti e subiti con le medie per partita, punti e punti per partita.</p>
<p>Le due squadre devono essere diverse. Contano solo le partite disputate; le penalità non sono
sottratte.</p>
)"},
    {43, "Tabelle di marcia a confronto e scontri diretti", R"(
<p><b>Tabelle di marcia</b> (menu <i>Confronti, Squadre</i>): due squadre affiancate giornata per
giornata, con avversario e risultato di ciascuna. <i>Vedi giornata</i> apre il calendario alla giornata
selezionata.</p>
<p><b>Scontri diretti</b>: le due partite tra due squadre, andata e ritorno, con data, ora e risultato
(<i>N.D.</i> se non ancora disputata). Da ciascuna si apre il tabellino.</p>
)"},
    {47, "Confronto tra due giocatori", R"(
<p>Menu <i>Confronti, Giocatori</i>. Si scelgono due giocatori e si confrontano i voti (voto più alto,
più basso, ultimo e media) o le reti, in cifre oppure con un grafico giornata per giornata.</p>
)"},
    {55, "I grafici", R"(
<p>Menu <i>Grafici</i> e <i>Confronti</i>: andamento di una squadra giornata per giornata, classifica,
gol per giornata, risultati, gol fatti o subiti, andamento di due o quattro squadre a confronto,
ammonizioni ed espulsioni per giornata, e i grafici di reti, cartellini e voti di un giocatore.</p>
<p>Ogni grafico si può <b>copiare</b> negli appunti, come immagine e come tabella di valori, per
incollarlo in un documento o in un foglio di calcolo.</p>
<p>I grafici giornata per giornata si fermano alla prima giornata non ancora giocata: finché il girone di
andata è in corso il ritorno non compare; le giornate successive restano vuote. Sotto l'asse sono
numerate le giornate dispari. Una partita rinviata non aggiunge nulla finché non se ne registra il
risultato: nel grafico dell'andamento il punto resta allo stesso livello del precedente.</p>
<p>Nei grafici di una squadra si sceglie la squadra dall'elenco <i>Squadra</i>; aperti dalla tabella di
marcia o dalla rosa mostrano la squadra di quella finestra. Il <b>grafico della classifica</b> aperto dal
menu mostra la classifica di tutte le giornate giocate; aperto dal pulsante <i>Grafico</i> della
classifica mostra la classifica che quella finestra sta mostrando, anche parziale. Una penalizzazione
può portare una squadra sotto lo zero.</p>
<p>Un grafico resta com'è finché la finestra è aperta: per vedere i risultati registrati nel frattempo
chiuderlo con <i>Chiudi</i> e riaprirlo.</p>
)"},
    {58, "Opzioni di visualizzazione", R"(
<p>Menu <i>File, Opzioni di visualizzazione</i>. Si sceglie come mostrare i nomi dei giocatori (solo
cognome, nome e cognome, oppure iniziale del nome e cognome) e se mostrare i voti nei tabellini.</p>
<p>Le scelte valgono subito e vengono ricordate nel file GOLVARNO.DEF della cartella del programma. Se
quel file manca il programma usa le impostazioni normali e non può ricordare le modifiche.</p>
)"},
    {59, "Conversione dei file della versione 4", R"(
<p>Menu <i>File, Conversione files versione 4</i>. Scegliere il file della versione precedente: il
programma ne crea una copia nel formato attuale, nella stessa cartella, con un numero aggiunto al
nome (per esempio <i>Serie A.GVN</i> diventa <i>Serie A 2000.GVN</i>). Il file originale non viene
modificato. Alla fine il programma propone di aprire la copia.</p>
)"},
    {90, "Problemi frequenti", R"(
<dl>
<dt><b>Occorre aprire un file con i dati di un campionato per poter lavorare!</b></dt>
<dd>Nessun campionato è aperto: rispondere <i>Sì</i> e scegliere il file .GVN.</dd>
<dt><b>Manca il file contenente i dati per creare automaticamente il calendario</b></dt>
<dd>Manca il file S<i>n</i>.DTA per quel numero di squadre nella cartella del programma, oppure il
numero di squadre è dispari o uguale a 4: registrare il calendario a mano (<b>F2</b>).</dd>
<dt><b>Calendario già presente</b></dt>
<dd>Il calendario automatico si crea solo in un campionato senza giornate registrate.</dd>
<dt><b>Non è stato trovato il file della guida</b></dt>
<dd>Manca il file GOLVARNO.HLP nella cartella del programma: il programma funziona ugualmente, ma
senza guida.</dd>
<dt><b>La classifica non cambia dopo aver inserito i risultati</b></dt>
<dd>Verificare che le partite siano segnate come <i>Disputata?</i>.</dd>
</dl>
<p>Conviene fare spesso una copia di sicurezza dei file .GVN: ogni campionato è un solo file.</p>
)"},
};

QString Escape(const QString& testo) { return testo.toHtmlEscaped(); }

}  // namespace

QVector<ArgomentoGuida> ArgomentiGuida()
{
    QVector<ArgomentoGuida> argomenti;
    for (const Voce& v : kVoci)
        argomenti.append({v.contesto, QString::fromUtf8(v.titolo), QString::fromUtf8(v.testo).trimmed()});
    return argomenti;
}

QString DocumentoGuida()
{
    const QVector<ArgomentoGuida> argomenti = ArgomentiGuida();
    QString html;
    html += QStringLiteral("<!DOCTYPE html>\n<html lang=\"it\">\n<head>\n<meta charset=\"utf-8\">\n"
                           "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=utf-8\">\n"
                           "<title>Guida di Golvarno 2000</title>\n"
                           "<style>\nbody { font-family: sans-serif; }\nh1 { color: #1f4e8c; }\n"
                           "h2 { color: #1f4e8c; margin-top: 18px; }\ntd { vertical-align: top; }\n</style>\n"
                           "</head>\n<body>\n");
    bool primo = true;
    for (const ArgomentoGuida& a : argomenti) {
        html +=
            QStringLiteral("<h2><a name=\"ctx-%1\" id=\"ctx-%1\">%2</a></h2>\n").arg(a.contesto).arg(Escape(a.titolo));
        html += a.testo + QLatin1Char('\n');
        if (primo) {
            // The index follows the introduction, so that a window's topic opens at its heading.
            html += QStringLiteral("<h3>Argomenti</h3>\n<ul>\n");
            for (const ArgomentoGuida& b : argomenti)
                html += QStringLiteral("<li><a href=\"#ctx-%1\">%2</a></li>\n").arg(b.contesto).arg(Escape(b.titolo));
            html += QStringLiteral("</ul>\n");
            primo = false;
        }
        html += QStringLiteral("<hr>\n");
    }
    html += QStringLiteral("</body>\n</html>\n");
    return html;
}

bool GeneraGuida(const QString& percorso, QString* errore)
{
    QFile::remove(percorso);
    QSaveFile f(percorso);
    if (!f.open(QIODevice::WriteOnly) || f.write(DocumentoGuida().toUtf8()) < 0 || !f.commit()) {
        if (errore) *errore = percorso + ": " + f.errorString();
        return false;
    }
    return true;
}
