<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>kuvo::Announcer</name>
    <message>
        <source>none</source>
        <translation>keiner</translation>
    </message>
    <message>
        <source>%1 plus 100</source>
        <translation>%1 plus 100</translation>
    </message>
    <message>
        <source>%1 plus 200</source>
        <translation>%1 plus 200</translation>
    </message>
    <message>
        <source>%1 extra pull</source>
        <translation>%1 Extrazug</translation>
    </message>
    <message>
        <source>Fits column %1.</source>
        <translation>Passt in Spalte %1.</translation>
    </message>
    <message>
        <source>Fits columns %1.</source>
        <translation>Passt in die Spalten %1.</translation>
    </message>
    <message>
        <source>No die fits: pull again.</source>
        <translation>Kein Würfel passt: zieh noch einmal.</translation>
    </message>
    <message>
        <source>No die fits, and no pulls are left.</source>
        <translation>Kein Würfel passt, und es sind keine Züge mehr übrig.</translation>
    </message>
    <message>
        <source>Dice: %1. %2</source>
        <translation>Würfel: %1. %2</translation>
    </message>
    <message>
        <source>Taken: column %1, row %2.</source>
        <translation>Genommen: Spalte %1, Zeile %2.</translation>
    </message>
    <message numerus="yes">
        <source>%n points.</source>
        <translation>
            <numerusform>%n Punkt.</numerusform>
            <numerusform>%n Punkte.</numerusform>
        </translation>
    </message>
    <message>
        <source>Total %1.</source>
        <translation>Gesamt %1.</translation>
    </message>
    <message>
        <source>Extra pull.</source>
        <translation>Extrazug.</translation>
    </message>
    <message numerus="yes">
        <source>%n pulls left.</source>
        <translation>
            <numerusform>Noch %n Zug übrig.</numerusform>
            <numerusform>Noch %n Züge übrig.</numerusform>
        </translation>
    </message>
    <message>
        <source>No pulls left.</source>
        <translation>Keine Züge mehr übrig.</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>No scores yet.</source>
        <translation>Noch keine Punkte.</translation>
    </message>
    <message>
        <source>Round %1 is over.</source>
        <translation>Runde %1 ist vorbei.</translation>
    </message>
    <message numerus="yes">
        <source>%n seconds left</source>
        <translation>
            <numerusform>Noch %n Sekunde</numerusform>
            <numerusform>Noch %n Sekunden</numerusform>
        </translation>
    </message>
    <message>
        <source>smiley</source>
        <translation>Smiley</translation>
    </message>
</context>
<context>
    <name>kuvo::BoardPictures</name>
    <message>
        <source>Start Game</source>
        <translation>Spiel starten</translation>
    </message>
    <message>
        <source>PULL</source>
        <translation>ZUG</translation>
    </message>
</context>
<context>
    <name>kuvo::BoardView</name>
    <message>
        <source>Board</source>
        <translation>Spielfeld</translation>
    </message>
    <message>
        <source>Arrow keys move the cursor, Return takes the cell, Space pulls</source>
        <translation>Pfeiltasten bewegen den Cursor, die Eingabetaste nimmt das Feld, die Leertaste zieht</translation>
    </message>
    <message>
        <source>Column %1, row %2: %3</source>
        <translation>Spalte %1, Zeile %2: %3</translation>
    </message>
    <message>
        <source>Column %1, row %2</source>
        <translation>Spalte %1, Zeile %2</translation>
    </message>
    <message>
        <source>taken</source>
        <translation>belegt</translation>
    </message>
    <message>
        <source>taken, 100 bonus points</source>
        <translation>belegt, 100 Bonuspunkte</translation>
    </message>
    <message>
        <source>taken, 200 bonus points</source>
        <translation>belegt, 200 Bonuspunkte</translation>
    </message>
    <message>
        <source>taken, extra pull</source>
        <translation>belegt, Extrazug</translation>
    </message>
    <message>
        <source>Welcome to Kuvo!</source>
        <translation>Willkommen bei Kuvo!</translation>
    </message>
    <message>
        <source>Round: 0 of 0</source>
        <translation>Runde: 0 von 0</translation>
    </message>
    <message>
        <source>Pull ball</source>
        <translation>Zugkugel</translation>
    </message>
    <message>
        <source>Space on the board pulls</source>
        <translation>Die Leertaste auf dem Spielfeld zieht</translation>
    </message>
    <message>
        <source>Start Game</source>
        <translation>Spiel starten</translation>
    </message>
    <message>
        <source>Time: 0:00</source>
        <translation>Zeit: 0:00</translation>
    </message>
    <message>
        <source>Round</source>
        <translation>Runde</translation>
    </message>
    <message>
        <source>Round clock</source>
        <translation>Rundenuhr</translation>
    </message>
    <message>
        <source>Winner!</source>
        <translation>Gewonnen!</translation>
    </message>
    <message>
        <source>Die %1: %2</source>
        <translation>Würfel %1: %2</translation>
    </message>
    <message>
        <source>Die %1: none</source>
        <translation>Würfel %1: keiner</translation>
    </message>
    <message>
        <source>100 bonus points</source>
        <translation>100 Bonuspunkte</translation>
    </message>
    <message>
        <source>200 bonus points</source>
        <translation>200 Bonuspunkte</translation>
    </message>
    <message>
        <source>extra pull</source>
        <translation>Extrazug</translation>
    </message>
    <message>
        <source>Bonus %1: none</source>
        <translation>Bonus %1: keiner</translation>
    </message>
    <message>
        <source>Bonus %1: %2</source>
        <translation>Bonus %1: %2</translation>
    </message>
    <message>
        <source>Pulls left: %1</source>
        <translation>Verbleibende Züge: %1</translation>
    </message>
</context>
<context>
    <name>kuvo::ChatPanel</name>
    <message>
        <source>My dad is cool.</source>
        <translation>Mein Papa ist cool.</translation>
    </message>
    <message>
        <source>I&apos;m a bit confused</source>
        <translation>Ich bin ein bisschen verwirrt</translation>
    </message>
    <message>
        <source>I need to find a job.</source>
        <translation>Ich muss mir einen Job suchen.</translation>
    </message>
    <message>
        <source>I watched TV last night.</source>
        <translation>Ich hab gestern Abend ferngesehen.</translation>
    </message>
    <message>
        <source>I wish you could see this!</source>
        <translation>Ich wünschte, du könntest das sehen!</translation>
    </message>
    <message>
        <source>I don&apos;t think that is a good idea</source>
        <translation>Ich glaube nicht, dass das eine gute Idee ist</translation>
    </message>
    <message>
        <source>That is very wise of you</source>
        <translation>Das ist sehr klug von dir</translation>
    </message>
    <message>
        <source>Tomorrow will be here quickly.</source>
        <translation>Morgen ist schneller da, als man denkt.</translation>
    </message>
    <message>
        <source>Stop yelling at me.</source>
        <translation>Hör auf, mich anzuschreien.</translation>
    </message>
    <message>
        <source>Don&apos;t slam the door please.</source>
        <translation>Knall bitte nicht die Tür zu.</translation>
    </message>
    <message>
        <source>I skipped breakfast today.</source>
        <translation>Ich hab heute kein Frühstück gehabt.</translation>
    </message>
    <message>
        <source>Have you seen Fuzzbean today?</source>
        <translation>Hast du Fuzzbean heute schon gesehen?</translation>
    </message>
    <message>
        <source>Is it snack time yet?</source>
        <translation>Ist schon Zeit für einen Snack?</translation>
    </message>
    <message>
        <source>Do you have a candy bar?</source>
        <translation>Hast du einen Schokoriegel für mich?</translation>
    </message>
    <message>
        <source>Oh the ice cream man is coming!</source>
        <translation>Oh, der Eiswagen kommt!</translation>
    </message>
    <message>
        <source>Did you see that?</source>
        <translation>Hast du das gesehen?</translation>
    </message>
    <message>
        <source>Why did you do that?</source>
        <translation>Warum hast du das gemacht?</translation>
    </message>
    <message>
        <source>Who knows..</source>
        <translation>Wer weiß..</translation>
    </message>
    <message>
        <source>Are you sure you are OK?</source>
        <translation>Bist du sicher, dass mit dir alles okay ist?</translation>
    </message>
    <message>
        <source>I&apos;m feeling lucky tonight.</source>
        <translation>Heute Abend hab ich Glück, das spür ich.</translation>
    </message>
    <message>
        <source>Will you come and play again sometime?</source>
        <translation>Kommst du mal wieder zum Spielen vorbei?</translation>
    </message>
    <message>
        <source>I&apos;m so happy you are here!</source>
        <translation>Ich freu mich so, dass du da bist!</translation>
    </message>
    <message>
        <source>What is in your lunchbox today?</source>
        <translation>Was hast du heute in deiner Brotdose?</translation>
    </message>
    <message>
        <source>Hey, I found a penny!</source>
        <translation>Hey, ich hab einen Cent gefunden!</translation>
    </message>
    <message>
        <source>Kuvo  -  pull, roll and fill!</source>
        <translation>Kuvo  -  ziehen, würfeln, füllen!</translation>
    </message>
    <message>
        <source>Rovi the bot says: %1</source>
        <translation>Rovi, der Bot, sagt: %1</translation>
    </message>
    <message>
        <source>Cannot open Webpage</source>
        <translation>Die Webseite lässt sich nicht öffnen</translation>
    </message>
    <message>
        <source>&lt;Enter Chat Here&gt;</source>
        <translation>&lt;Chat hier eingeben&gt;</translation>
    </message>
    <message>
        <source>/me TEXT shows TEXT as something you do, as in &quot;/me waves&quot;.</source>
        <translation>/me TEXT zeigt TEXT als etwas, das du tust, etwa &quot;/me winkt&quot;.</translation>
    </message>
    <message>
        <source>/help lists these commands.</source>
        <translation>/help listet diese Befehle auf.</translation>
    </message>
    <message>
        <source>Unknown command %1. /help lists them.</source>
        <translation>Unbekannter Befehl %1. /help listet die Befehle auf.</translation>
    </message>
    <message>
        <source>Chat</source>
        <translation>Chat</translation>
    </message>
    <message>
        <source>Chat message</source>
        <translation>Chat-Nachricht</translation>
    </message>
    <message>
        <source>Return sends the message to the table</source>
        <translation>Die Eingabetaste schickt die Nachricht an den Tisch</translation>
    </message>
    <message>
        <source>Smileys</source>
        <translation>Smileys</translation>
    </message>
    <message>
        <source>Adds a smiley to the chat message</source>
        <translation>Fügt der Chat-Nachricht ein Smiley hinzu</translation>
    </message>
    <message>
        <source>Says the phrase to the table</source>
        <translation>Sagt den Spruch am Tisch</translation>
    </message>
    <message>
        <source>Chatter sounds</source>
        <translation>Chat-Geräusche</translation>
    </message>
    <message>
        <source>Plays a sound to the table</source>
        <translation>Spielt dem Tisch ein Geräusch vor</translation>
    </message>
    <message>
        <source>Kuvo banner</source>
        <translation>Kuvo-Banner</translation>
    </message>
    <message>
        <source>A click opens the maker&apos;s web page</source>
        <translation>Ein Klick öffnet die Webseite des Herstellers</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>&amp;Alles auswählen</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Einfügen</translation>
    </message>
    <message>
        <source>Phrase %1: %2</source>
        <translation>Spruch %1: %2</translation>
    </message>
</context>
<context>
    <name>kuvo::GameTable</name>
    <message>
        <source>Time: %1:%2%3</source>
        <translation>Zeit: %1:%2%3</translation>
    </message>
    <message>
        <source>Round: 0 of%1</source>
        <translation>Runde: 0 von %1</translation>
    </message>
    <message>
        <source>%1 has started a game.</source>
        <translation>%1 hat ein Spiel gestartet.</translation>
    </message>
    <message>
        <source>You have started a game.</source>
        <translation>Du hast ein Spiel gestartet.</translation>
    </message>
    <message>
        <source>I am Rovi the bot. Good Luck!</source>
        <translation>Ich bin Rovi, der Bot. Viel Glück!</translation>
    </message>
    <message>
        <source>Round: %1 of %2</source>
        <translation>Runde: %1 von %2</translation>
    </message>
    <message>
        <source>It&apos;s time to Kuvo!</source>
        <translation>Zeit für Kuvo!</translation>
    </message>
    <message>
        <source>No Time Limit</source>
        <translation>Ohne Zeitlimit</translation>
    </message>
    <message>
        <source>CHOOSE A NUMBER!</source>
        <translation>WÄHLE EINE ZAHL!</translation>
    </message>
    <message>
        <source>No more Pulls left!</source>
        <translation>Keine Züge mehr übrig!</translation>
    </message>
    <message>
        <source>PULL AGAIN!</source>
        <translation>ZIEH NOCH MAL!</translation>
    </message>
    <message>
        <source>You received 100 bonus points!</source>
        <translation>Du bekommst 100 Bonuspunkte!</translation>
    </message>
    <message>
        <source>You received 200 bonus points!</source>
        <translation>Du bekommst 200 Bonuspunkte!</translation>
    </message>
    <message>
        <source>You received an Extra Pull!</source>
        <translation>Du bekommst einen Extrazug!</translation>
    </message>
    <message>
        <source>You have filled the board!</source>
        <translation>Du hast das Spielfeld gefüllt!</translation>
    </message>
    <message>
        <source>Out of Time</source>
        <translation>Die Zeit ist um</translation>
    </message>
    <message>
        <source>The Round is Over!</source>
        <translation>Die Runde ist vorbei!</translation>
    </message>
    <message>
        <source>Please Wait for Next Round!</source>
        <translation>Bitte warte auf die nächste Runde!</translation>
    </message>
    <message>
        <source>You have Won the Game!</source>
        <translation>Du hast das Spiel gewonnen!</translation>
    </message>
    <message>
        <source>%1 has Won the Game!</source>
        <translation>%1 hat das Spiel gewonnen!</translation>
    </message>
    <message>
        <source>%1 is just watching</source>
        <translation>%1 schaut nur zu</translation>
    </message>
    <message>
        <source>%1 is now playing again</source>
        <translation>%1 spielt wieder mit</translation>
    </message>
    <message>
        <source>No Pulls</source>
        <translation>Keine Züge</translation>
    </message>
    <message>
        <source>You must Pull first.</source>
        <translation>Du musst zuerst ziehen.</translation>
    </message>
    <message>
        <source>That number does not match.</source>
        <translation>Diese Zahl passt nicht.</translation>
    </message>
    <message>
        <source>Time: 0:00</source>
        <translation>Zeit: 0:00</translation>
    </message>
    <message>
        <source>Tie! An extra round decides.</source>
        <translation>Gleichstand! Eine Extrarunde entscheidet.</translation>
    </message>
    <message>
        <source>%1 %2 (total %3)</source>
        <translation>%1 %2 (gesamt %3)</translation>
    </message>
    <message>
        <source>Round %1: %2.</source>
        <translation>Runde %1: %2.</translation>
    </message>
    <message>
        <source>The Game is Over!</source>
        <translation>Das Spiel ist vorbei!</translation>
    </message>
    <message>
        <source>You now start the games.</source>
        <translation>Du startest jetzt die Spiele.</translation>
    </message>
    <message>
        <source>%1 now starts the games.</source>
        <translation>%1 startet jetzt die Spiele.</translation>
    </message>
    <message>
        <source>Waiting for %1 to start the game.</source>
        <translation>Warte darauf, dass %1 das Spiel startet.</translation>
    </message>
</context>
<context>
    <name>kuvo::PlayWithOthers</name>
    <message>
        <source>Waiting</source>
        <translation>Wartet</translation>
    </message>
    <message>
        <source>Round %1 of %2</source>
        <translation>Runde %1 von %2</translation>
    </message>
    <message>
        <source>Kuvo - Play with Others</source>
        <translation>Kuvo - Mit anderen spielen</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adresse</translation>
    </message>
    <message>
        <source>Players</source>
        <translation>Spieler</translation>
    </message>
    <message>
        <source>Watching</source>
        <translation>Zuschauer</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Stand</translation>
    </message>
    <message>
        <source>Your &amp;name:</source>
        <translation>Dein &amp;Name:</translation>
    </message>
    <message>
        <source>&amp;Address:</source>
        <translation>&amp;Adresse:</translation>
    </message>
    <message>
        <source>host name or address, :port if not %1</source>
        <translation>Rechnername oder Adresse, :Port, falls nicht %1</translation>
    </message>
    <message>
        <source>Looking for tables... None has answered yet; you can type a table&apos;s address instead.</source>
        <translation>Suche nach Tischen... Bisher hat keiner geantwortet; du kannst stattdessen die Adresse eines Tisches eingeben.</translation>
    </message>
    <message>
        <source>&amp;Tables on your network:</source>
        <translation>&amp;Tische in deinem Netzwerk:</translation>
    </message>
    <message>
        <source>&amp;Join</source>
        <translation>&amp;Beitreten</translation>
    </message>
    <message>
        <source>&amp;Host a Table</source>
        <translation>Tisch &amp;eröffnen</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>Abbre&amp;chen</translation>
    </message>
</context>
<context>
    <name>kuvo::PlayerSlotsPanel</name>
    <message>
        <source>&lt;Waiting&gt;</source>
        <translation>&lt;Frei&gt;</translation>
    </message>
    <message>
        <source>Pulls</source>
        <translation>Züge</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Gesamt</translation>
    </message>
    <message>
        <source>Current</source>
        <translation>Aktuell</translation>
    </message>
    <message>
        <source>Slot %1: %2, total %3</source>
        <translation>Platz %1: %2, gesamt %3</translation>
    </message>
    <message>
        <source>, pulls %1</source>
        <translation>, Züge %1</translation>
    </message>
    <message>
        <source>, current %1</source>
        <translation>, aktuell %1</translation>
    </message>
    <message>
        <source>just watching</source>
        <translation>schaut nur zu</translation>
    </message>
    <message>
        <source>You are Connected.</source>
        <translation>Du bist verbunden.</translation>
    </message>
    <message>
        <source>%1 is Connected.</source>
        <translation>%1 ist verbunden.</translation>
    </message>
    <message>
        <source>You are spying.</source>
        <translation>Du spionierst.</translation>
    </message>
    <message>
        <source>%1 is spying.</source>
        <translation>%1 spioniert.</translation>
    </message>
    <message>
        <source>%1 has left.</source>
        <translation>%1 ist gegangen.</translation>
    </message>
    <message>
        <source>%1 disconnected.</source>
        <translation>%1 hat die Verbindung verloren.</translation>
    </message>
    <message>
        <source>%1 is back in the seat.</source>
        <translation>%1 ist zurück am Platz.</translation>
    </message>
    <message>
        <source>%1 removed you from the table.</source>
        <translation>%1 hat dich vom Tisch entfernt.</translation>
    </message>
    <message>
        <source>%1 removed %2.</source>
        <translation>%1 hat %2 entfernt.</translation>
    </message>
    <message>
        <source>Remove %1 from the table?</source>
        <translation>%1 vom Tisch entfernen?</translation>
    </message>
    <message numerus="yes">
        <source>%1 takes over %2&apos;s seat (%n points).</source>
        <translation>
            <numerusform>%1 übernimmt den Platz von %2 (%n Punkt).</numerusform>
            <numerusform>%1 übernimmt den Platz von %2 (%n Punkte).</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 lost the connection. The seat is kept for %n seconds.</source>
        <translation>
            <numerusform>%1 hat die Verbindung verloren. Der Platz wird %n Sekunde lang freigehalten.</numerusform>
            <numerusform>%1 hat die Verbindung verloren. Der Platz wird %n Sekunden lang freigehalten.</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Remove From Game</source>
        <translation>&amp;Aus dem Spiel entfernen</translation>
    </message>
    <message>
        <source>&amp;Set to Just Watch</source>
        <translation>Nur &amp;zuschauen lassen</translation>
    </message>
    <message>
        <source>&amp;Unset Just Watch</source>
        <translation>&amp;Wieder mitspielen lassen</translation>
    </message>
</context>
<context>
    <name>kuvo::Smileys</name>
    <message>
        <source>Smile</source>
        <translation>Lächeln</translation>
    </message>
    <message>
        <source>Grin</source>
        <translation>Grinsen</translation>
    </message>
    <message>
        <source>Wink</source>
        <translation>Zwinkern</translation>
    </message>
    <message>
        <source>Frown</source>
        <translation>Stirnrunzeln</translation>
    </message>
    <message>
        <source>Surprised</source>
        <translation>Überrascht</translation>
    </message>
    <message>
        <source>Tongue out</source>
        <translation>Zunge raus</translation>
    </message>
    <message>
        <source>Cool grin</source>
        <translation>Cooles Grinsen</translation>
    </message>
    <message>
        <source>Angry</source>
        <translation>Wütend</translation>
    </message>
    <message>
        <source>Sleepy</source>
        <translation>Müde</translation>
    </message>
    <message>
        <source>In love</source>
        <translation>Verliebt</translation>
    </message>
    <message>
        <source>Confused</source>
        <translation>Verwirrt</translation>
    </message>
    <message>
        <source>Kiss</source>
        <translation>Kuss</translation>
    </message>
    <message>
        <source>Sick</source>
        <translation>Krank</translation>
    </message>
    <message>
        <source>Feeling blue</source>
        <translation>Traurig</translation>
    </message>
    <message>
        <source>Laughing</source>
        <translation>Lachend</translation>
    </message>
    <message>
        <source>Blowing a kiss</source>
        <translation>Kusshand</translation>
    </message>
    <message>
        <source>Speechless</source>
        <translation>Sprachlos</translation>
    </message>
    <message>
        <source>Cool</source>
        <translation>Cool</translation>
    </message>
</context>
<context>
    <name>kuvo::SoundBoard</name>
    <message>
        <source>&lt;Cancel&gt;</source>
        <translation>&lt;Abbrechen&gt;</translation>
    </message>
    <message>
        <source>Doh</source>
        <translation>D&apos;oh</translation>
    </message>
    <message>
        <source>Cough</source>
        <translation>Husten</translation>
    </message>
    <message>
        <source>Hello</source>
        <translation>Hallo</translation>
    </message>
    <message>
        <source>Thank You</source>
        <translation>Danke</translation>
    </message>
    <message>
        <source>Where have you been?</source>
        <translation>Wo warst du?</translation>
    </message>
    <message>
        <source>Snoring</source>
        <translation>Schnarchen</translation>
    </message>
    <message>
        <source>Sneezing</source>
        <translation>Niesen</translation>
    </message>
    <message>
        <source>Sorry</source>
        <translation>Entschuldigung</translation>
    </message>
    <message>
        <source>Welcome</source>
        <translation>Willkommen</translation>
    </message>
    <message>
        <source>Yeehaa</source>
        <translation>Yeehaa</translation>
    </message>
    <message>
        <source>Yippee</source>
        <translation>Juhu</translation>
    </message>
    <message>
        <source>Oh No</source>
        <translation>Oh nein</translation>
    </message>
    <message>
        <source>Applause</source>
        <translation>Applaus</translation>
    </message>
    <message>
        <source>Honk</source>
        <translation>Hupe</translation>
    </message>
    <message>
        <source>Oooh</source>
        <translation>Oooh</translation>
    </message>
    <message>
        <source>Razzberry</source>
        <translation>Prrrt</translation>
    </message>
    <message>
        <source>Cheer</source>
        <translation>Jubel</translation>
    </message>
    <message>
        <source>Woman Laughing</source>
        <translation>Frau lacht</translation>
    </message>
    <message>
        <source>Man Laughing</source>
        <translation>Mann lacht</translation>
    </message>
    <message>
        <source>Crying</source>
        <translation>Weinen</translation>
    </message>
    <message>
        <source>%1: &lt;Chatter Sound&gt; %2</source>
        <translation>%1: &lt;Chat-Geräusch&gt; %2</translation>
    </message>
</context>
<context>
    <name>kuvo::Tabout</name>
    <message>
        <source>Kuvo - About</source>
        <translation>Kuvo - Über Kuvo</translation>
    </message>
    <message>
        <source>Version </source>
        <translation>Version </translation>
    </message>
    <message>
        <source>Cannot open Webpage</source>
        <translation>Die Webseite lässt sich nicht öffnen</translation>
    </message>
    <message>
        <source>Kuvo logo</source>
        <translation>Kuvo-Logo</translation>
    </message>
    <message>
        <source>Opens the maker&apos;s web site</source>
        <translation>Öffnet die Website des Herstellers</translation>
    </message>
    <message>
        <source>&amp;Done</source>
        <translation>&amp;Fertig</translation>
    </message>
    <message>
        <source>Free software under the GNU GPL, version 3 or later.</source>
        <translation>Freie Software unter der GNU GPL, Version 3 oder neuer.</translation>
    </message>
    <message>
        <source>Copyright ©</source>
        <translation>Copyright ©</translation>
    </message>
</context>
<context>
    <name>kuvo::Tchat</name>
    <message>
        <source>The connection to the table was closed.</source>
        <translation>Die Verbindung zum Tisch wurde getrennt.</translation>
    </message>
    <message>
        <source>Play with &amp;Others…</source>
        <translation>Mit &amp;anderen spielen…</translation>
    </message>
    <message>
        <source>Stop &amp;Reconnecting</source>
        <translation>&amp;Wiederverbinden abbrechen</translation>
    </message>
    <message>
        <source>Loading Solo Game..Please wait.</source>
        <translation>Solospiel wird geladen.. Bitte warten.</translation>
    </message>
    <message>
        <source>Loading Multi-player Game.. Please Wait.</source>
        <translation>Mehrspielerpartie wird geladen.. Bitte warten.</translation>
    </message>
    <message>
        <source>Listen - Error Binding Socket</source>
        <translation>Fehler: Der Port für den Tisch lässt sich nicht öffnen</translation>
    </message>
    <message>
        <source>The table sent more than this program can take. The connection to the table was closed.</source>
        <translation>Der Tisch hat mehr geschickt, als dieses Programm verarbeiten kann. Die Verbindung zum Tisch wurde getrennt.</translation>
    </message>
    <message>
        <source>%1 has a different version of the game then you.</source>
        <translation>%1 hat eine andere Version des Spiels als du.</translation>
    </message>
    <message>
        <source>You have a differnt version of the game then the host.</source>
        <translation>Du hast eine andere Version des Spiels als der Gastgeber.</translation>
    </message>
    <message>
        <source>Game is full</source>
        <translation>Das Spiel ist voll</translation>
    </message>
    <message>
        <source>Connection lost - reconnecting…</source>
        <translation>Verbindung verloren - verbinde neu…</translation>
    </message>
    <message>
        <source>You are back in your seat; the game goes on.</source>
        <translation>Du bist wieder auf deinem Platz; das Spiel geht weiter.</translation>
    </message>
    <message>
        <source>You are not connected</source>
        <translation>Du bist nicht verbunden</translation>
    </message>
    <message>
        <source>A game is running. Start a new game? The running game ends for every player and its scores are lost.</source>
        <translation>Gerade läuft ein Spiel. Ein neues Spiel starten? Das laufende Spiel endet dann für alle, und seine Punkte gehen verloren.</translation>
    </message>
    <message>
        <source>%1 closed the table.</source>
        <translation>%1 hat den Tisch geschlossen.</translation>
    </message>
    <message>
        <source>The table was closed.</source>
        <translation>Der Tisch wurde geschlossen.</translation>
    </message>
    <message>
        <source>No computer called %1 was found, so the table at %2 could not be reached. Check the spelling of the address.</source>
        <translation>Kein Rechner namens %1 gefunden, daher war der Tisch unter %2 nicht erreichbar. Prüfe die Schreibweise der Adresse.</translation>
    </message>
    <message>
        <source>Could not reach the table at %1. Check the address, and that the table is running and lets players in through its firewall.</source>
        <translation>Der Tisch unter %1 war nicht erreichbar. Prüfe die Adresse, und ob der Tisch läuft und Spieler durch seine Firewall lässt.</translation>
    </message>
    <message>
        <source>No table could be opened: port %1 of this computer is in use, most likely by another table. Close that program, or join its table.</source>
        <translation>Es konnte kein Tisch eröffnet werden: Port %1 dieses Rechners ist belegt, wahrscheinlich von einem anderen Tisch. Beende dieses Programm oder tritt seinem Tisch bei.</translation>
    </message>
    <message>
        <source>The connection to the table was lost. Trying to get back in…</source>
        <translation>Die Verbindung zum Tisch ist abgebrochen. Versuche, wieder hineinzukommen…</translation>
    </message>
    <message numerus="yes">
        <source>%n players are at your table. Closing it ends their game. Close it?</source>
        <translation>
            <numerusform>An deinem Tisch sitzt %n Spieler. Schließt du den Tisch, ist das Spiel für alle zu Ende. Schließen?</numerusform>
            <numerusform>An deinem Tisch sitzen %n Spieler. Schließt du den Tisch, ist das Spiel für alle zu Ende. Schließen?</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Start Game</source>
        <translation>Spiel &amp;starten</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Optionen</translation>
    </message>
    <message>
        <source>&amp;Play Sounds</source>
        <translation>&amp;Töne abspielen</translation>
    </message>
    <message>
        <source>Play &amp;Chatter Sounds</source>
        <translation>&amp;Chat-Geräusche abspielen</translation>
    </message>
    <message>
        <source>&amp;Turn Sound</source>
        <translation>&amp;Startsignal</translation>
    </message>
    <message>
        <source>&amp;Classic</source>
        <translation>&amp;Klassisch</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Neu</translation>
    </message>
    <message>
        <source>Text Co&amp;lor</source>
        <translation>Text&amp;farbe</translation>
    </message>
    <message>
        <source>Text Si&amp;ze</source>
        <translation>Text&amp;größe</translation>
    </message>
    <message>
        <source>&amp;Scroll Chat Off</source>
        <translation>Chat nicht &amp;mitscrollen</translation>
    </message>
    <message>
        <source>Clear &amp;Main Chat</source>
        <translation>&amp;Haupt-Chat leeren</translation>
    </message>
    <message>
        <source>&amp;Reset Screen Location</source>
        <translation>Fenster&amp;position zurücksetzen</translation>
    </message>
    <message>
        <source>&amp;Just Watch</source>
        <translation>Nur &amp;zuschauen</translation>
    </message>
    <message>
        <source>Spea&amp;k Chat Lines</source>
        <translation>Chatzeilen &amp;vorlesen</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>View &amp;Tally</source>
        <translation>&amp;Bilanz anzeigen</translation>
    </message>
    <message>
        <source>&amp;Spy List</source>
        <translation>&amp;Spionliste</translation>
    </message>
    <message>
        <source>&amp;Phrase List</source>
        <translation>Spruch&amp;liste</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Content</source>
        <translation>&amp;Inhalt</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>Ü&amp;ber Kuvo</translation>
    </message>
</context>
<context>
    <name>kuvo::Tdownload</name>
    <message>
        <source>Download The Orvel Lobby</source>
        <translation>Die Orvel-Lobby herunterladen</translation>
    </message>
    <message>
        <source>IS CLOSED</source>
        <translation>GESPERRT</translation>
    </message>
    <message>
        <source>Download The Orvel Lobby Now to play this  and other exciting games online with other players! </source>
        <translation>Lade dir jetzt die Orvel-Lobby herunter, um dieses und andere spannende Spiele online mit anderen zu spielen!</translation>
    </message>
    <message>
        <source>To proceed to the game without the ability to play against others click the button below.</source>
        <translation>Um ohne Mitspieler direkt zum Spiel zu gehen, klicke auf die Schaltfläche unten.</translation>
    </message>
    <message>
        <source>Note: Even if you are playing offline, you will need to configure your FIREWALL to allow the game to access the internet components.</source>
        <translation>Hinweis: Auch wenn du offline spielst, musst du deine FIREWALL so einstellen, dass das Spiel auf die Internet-Komponenten zugreifen darf.</translation>
    </message>
    <message>
        <source>Download Aborted</source>
        <translation>Download abgebrochen</translation>
    </message>
    <message>
        <source>An Error has Occurred.</source>
        <translation>Ein Fehler ist aufgetreten.</translation>
    </message>
    <message>
        <source>Loading</source>
        <translation>Wird geladen</translation>
    </message>
    <message>
        <source>Saved: %1</source>
        <translation>Gespeichert: %1</translation>
    </message>
    <message>
        <source>Installing</source>
        <translation>Wird installiert</translation>
    </message>
    <message>
        <source>Download has been aborted.</source>
        <translation>Der Download wurde abgebrochen.</translation>
    </message>
    <message>
        <source>Downloading: %1</source>
        <translation>Wird heruntergeladen: %1</translation>
    </message>
    <message>
        <source>To play with others, click the button below: it lists the tables on your network, where you can join one or host your own. If The Orvel Lobby is installed, it closes this game and opens The Orvel Lobby instead.</source>
        <translation>Um mit anderen zu spielen, klicke auf die Schaltfläche unten: Sie zeigt die Tische in deinem Netzwerk, an denen du mitspielen oder einen eigenen Tisch eröffnen kannst. Ist die Orvel-Lobby installiert, schließt sie stattdessen dieses Spiel und öffnet die Orvel-Lobby.</translation>
    </message>
    <message numerus="yes">
        <source>Received %n bytes</source>
        <translation>
            <numerusform>%n Byte empfangen</numerusform>
            <numerusform>%n Bytes empfangen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n bytes</source>
        <translation>
            <numerusform>%n Byte</numerusform>
            <numerusform>%n Bytes</numerusform>
        </translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Download</translation>
    </message>
    <message>
        <source>The Orvel Lobby banner</source>
        <translation>Banner der Orvel-Lobby</translation>
    </message>
    <message>
        <source>&amp;Download And Install The Orvel Lobby Now</source>
        <translation>Orvel-Lobby jetzt &amp;laden und installieren</translation>
    </message>
    <message>
        <source>&amp;Stop Download</source>
        <translation>Download &amp;stoppen</translation>
    </message>
    <message>
        <source>Solo game</source>
        <translation>Solo-Spiel</translation>
    </message>
    <message>
        <source>&amp;Play Solo Game</source>
        <translation>S&amp;olo spielen</translation>
    </message>
    <message>
        <source>Playing with others</source>
        <translation>Mit anderen spielen</translation>
    </message>
    <message>
        <source>Play with &amp;Others</source>
        <translation>&amp;Mit anderen spielen</translation>
    </message>
</context>
<context>
    <name>kuvo::Tgamestart</name>
    <message>
        <source>Kuvo - Game Start</source>
        <translation>Kuvo - Spielstart</translation>
    </message>
    <message>
        <source>Game Options</source>
        <translation>Spieloptionen</translation>
    </message>
    <message>
        <source>secs</source>
        <translation>Sek.</translation>
    </message>
    <message>
        <source>Start Game</source>
        <translation>Spiel starten</translation>
    </message>
    <message>
        <source>&amp;Rounds Per Game: </source>
        <translation>&amp;Runden pro Spiel: </translation>
    </message>
    <message>
        <source>&amp;Time Per Round:</source>
        <translation>&amp;Zeit pro Runde:</translation>
    </message>
    <message>
        <source>seconds; 0 means no time limit</source>
        <translation>Sekunden; 0 heißt ohne Zeitlimit</translation>
    </message>
</context>
<context>
    <name>kuvo::Thelp</name>
    <message>
        <source>Kuvo - Help File</source>
        <translation>Kuvo - Hilfe</translation>
    </message>
    <message>
        <source>Copyright ©</source>
        <translation>Copyright ©</translation>
    </message>
    <message>
        <source>en</source>
        <comment>folder of the help pages in this language: de, fr, pt_BR</comment>
        <translation>de</translation>
    </message>
    <message>
        <source>&amp;Overview</source>
        <translation>Übe&amp;rblick</translation>
    </message>
    <message>
        <source>&amp;Connecting</source>
        <translation>&amp;Verbinden</translation>
    </message>
    <message>
        <source>&amp;Game Play</source>
        <translation>&amp;Spielablauf</translation>
    </message>
    <message>
        <source>&amp;Scoring</source>
        <translation>&amp;Punkte</translation>
    </message>
    <message>
        <source>Doc&amp;umentation</source>
        <translation>&amp;Dokumentation</translation>
    </message>
    <message>
        <source>&amp;License</source>
        <translation>&amp;Lizenz</translation>
    </message>
    <message>
        <source>&amp;The Lobby</source>
        <translation>Die L&amp;obby</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>Ü&amp;ber Kuvo</translation>
    </message>
    <message>
        <source>&amp;Done</source>
        <translation>&amp;Fertig</translation>
    </message>
    <message>
        <source>Free software under the GNU GPL, version 3 or later.</source>
        <translation>Freie Software unter der GNU GPL, Version 3 oder neuer.</translation>
    </message>
</context>
<context>
    <name>kuvo::Tphrases</name>
    <message>
        <source>Kuvo - Phrase Buttons </source>
        <translation>Kuvo - Spruchknöpfe </translation>
    </message>
    <message>
        <source>Phrase Button %1:</source>
        <translation>Spruchknopf %1:</translation>
    </message>
    <message>
        <source>Buttons can only be used once every 2 seconds</source>
        <translation>Jeder Knopf geht nur einmal alle 2 Sekunden</translation>
    </message>
    <message>
        <source>&amp;Done</source>
        <translation>&amp;Fertig</translation>
    </message>
</context>
<context>
    <name>kuvo::Tspylist</name>
    <message>
        <source>Kuvo - Spys</source>
        <translation>Kuvo - Spione</translation>
    </message>
    <message>
        <source>Spy List</source>
        <translation>Spionliste</translation>
    </message>
    <message>
        <source>Remove From Game</source>
        <translation>Aus dem Spiel entfernen</translation>
    </message>
    <message>
        <source>&amp;Done</source>
        <translation>&amp;Fertig</translation>
    </message>
</context>
<context>
    <name>kuvo::Ttallylist</name>
    <message>
        <source>Your tally file could not be read (%1) and could not be moved aside. It is left as it is, and this run&apos;s tally will not be saved.</source>
        <translation>Deine Bilanzdatei ließ sich nicht lesen (%1) und auch nicht beiseitelegen. Sie bleibt, wie sie ist, und die Bilanz dieser Sitzung wird nicht gespeichert.</translation>
    </message>
    <message>
        <source>Your tally file could not be read (%1). It is kept unchanged as %2, and a new tally has been started.</source>
        <translation>Deine Bilanzdatei ließ sich nicht lesen (%1). Sie bleibt unverändert als %2 erhalten, und eine neue Bilanz wurde begonnen.</translation>
    </message>
    <message>
        <source>Kuvo - Tally List</source>
        <translation>Kuvo - Bilanz</translation>
    </message>
    <message>
        <source>Your Total Tally</source>
        <translation>Deine Gesamtbilanz</translation>
    </message>
    <message>
        <source>Total Games:</source>
        <translation>Spiele insgesamt:</translation>
    </message>
    <message>
        <source>Your Wins:</source>
        <translation>Deine Siege:</translation>
    </message>
    <message>
        <source>Highest Round Score:</source>
        <translation>Beste Runde (Punkte):</translation>
    </message>
    <message>
        <source>Black Outs:</source>
        <translation>Volle Spielfelder:</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Gesamt</translation>
    </message>
    <message>
        <source>Session</source>
        <translation>Sitzung</translation>
    </message>
    <message>
        <source>Number of Games</source>
        <translation>Anzahl Spiele</translation>
    </message>
    <message>
        <source>XX Wins:</source>
        <translation>Siege von XX:</translation>
    </message>
    <message>
        <source>Neither Won:</source>
        <translation>Keiner gewann:</translation>
    </message>
    <message>
        <source>Players In Current Game</source>
        <translation>Spieler im laufenden Spiel</translation>
    </message>
    <message>
        <source>Players Being Tallied</source>
        <translation>Spieler in der Bilanz</translation>
    </message>
    <message>
        <source>This will delete %1&apos;s Tally, Are you want to delete it?</source>
        <translation>Damit wird die Bilanz gegen %1 gelöscht. Willst du sie wirklich löschen?</translation>
    </message>
    <message>
        <source>%1 Wins:</source>
        <translation>Siege von %1:</translation>
    </message>
    <message>
        <source>%1&apos;s Tally</source>
        <translation>Bilanz gegen %1</translation>
    </message>
    <message>
        <source>Are you sure you want to reset the Tally?</source>
        <translation>Willst du die Bilanz wirklich zurücksetzen?</translation>
    </message>
    <message>
        <source>Head to head</source>
        <translation>Direkter Vergleich</translation>
    </message>
    <message>
        <source>&amp;Reset Tally</source>
        <translation>&amp;Zurücksetzen</translation>
    </message>
    <message>
        <source>&amp;Done</source>
        <translation>&amp;Fertig</translation>
    </message>
</context>
<context>
    <name>kuvo::windowart</name>
    <message>
        <source>START GAME</source>
        <translation>LOSLEGEN</translation>
    </message>
    <message>
        <source>a dice game by Orvel</source>
        <translation>Würfelspiel von Orvel</translation>
    </message>
</context>
</TS>
