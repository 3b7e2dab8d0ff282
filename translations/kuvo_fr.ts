<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>kuvo::Announcer</name>
    <message>
        <source>none</source>
        <translation>aucun</translation>
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
        <translation>%1 avec tirage en plus</translation>
    </message>
    <message>
        <source>Fits column %1.</source>
        <translation>Un dé va dans la colonne %1.</translation>
    </message>
    <message>
        <source>Fits columns %1.</source>
        <translation>Des dés vont dans les colonnes %1.</translation>
    </message>
    <message>
        <source>No die fits: pull again.</source>
        <translation>Aucun dé ne va : tirez encore.</translation>
    </message>
    <message>
        <source>No die fits, and no pulls are left.</source>
        <translation>Aucun dé ne va, et il ne reste aucun tirage.</translation>
    </message>
    <message>
        <source>Dice: %1. %2</source>
        <translation>Dés : %1. %2</translation>
    </message>
    <message>
        <source>Taken: column %1, row %2.</source>
        <translation>Prise : colonne %1, ligne %2.</translation>
    </message>
    <message numerus="yes">
        <source>%n points.</source>
        <translation>
            <numerusform>%n point.</numerusform>
            <numerusform>%n points.</numerusform>
        </translation>
    </message>
    <message>
        <source>Total %1.</source>
        <translation>Total %1.</translation>
    </message>
    <message>
        <source>Extra pull.</source>
        <translation>Tirage en plus.</translation>
    </message>
    <message numerus="yes">
        <source>%n pulls left.</source>
        <translation>
            <numerusform>Il reste %n tirage.</numerusform>
            <numerusform>Il reste %n tirages.</numerusform>
        </translation>
    </message>
    <message>
        <source>No pulls left.</source>
        <translation>Plus aucun tirage.</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>No scores yet.</source>
        <translation>Pas encore de points.</translation>
    </message>
    <message>
        <source>Round %1 is over.</source>
        <translation>La manche %1 est finie.</translation>
    </message>
    <message numerus="yes">
        <source>%n seconds left</source>
        <translation>
            <numerusform>Encore %n seconde</numerusform>
            <numerusform>Encore %n secondes</numerusform>
        </translation>
    </message>
    <message>
        <source>smiley</source>
        <translation>smiley</translation>
    </message>
</context>
<context>
    <name>kuvo::BoardPictures</name>
    <message>
        <source>Start Game</source>
        <translation>Lancer la partie</translation>
    </message>
    <message>
        <source>PULL</source>
        <translation>TIRER</translation>
    </message>
</context>
<context>
    <name>kuvo::BoardView</name>
    <message>
        <source>Welcome to Kuvo!</source>
        <translation>Bienvenue dans Kuvo !</translation>
    </message>
    <message>
        <source>Round: 0 of 0</source>
        <translation>Manche 0/0</translation>
    </message>
    <message>
        <source>Time: 0:00</source>
        <translation>Temps : 0:00</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Grille</translation>
    </message>
    <message>
        <source>Arrow keys move the cursor, Return takes the cell, Space pulls</source>
        <translation>Les flèches déplacent le curseur, Entrée prend la case, Espace tire</translation>
    </message>
    <message>
        <source>Column %1, row %2: %3</source>
        <translation>Colonne %1, ligne %2 : %3</translation>
    </message>
    <message>
        <source>Column %1, row %2</source>
        <translation>Colonne %1, ligne %2</translation>
    </message>
    <message>
        <source>taken</source>
        <translation>prise</translation>
    </message>
    <message>
        <source>taken, 100 bonus points</source>
        <translation>prise, 100 points de bonus</translation>
    </message>
    <message>
        <source>taken, 200 bonus points</source>
        <translation>prise, 200 points de bonus</translation>
    </message>
    <message>
        <source>taken, extra pull</source>
        <translation>prise, tirage en plus</translation>
    </message>
    <message>
        <source>Pull ball</source>
        <translation>Boule de tirage</translation>
    </message>
    <message>
        <source>Space on the board pulls</source>
        <translation>Espace sur la grille tire</translation>
    </message>
    <message>
        <source>Start Game</source>
        <translation>Lancer la partie</translation>
    </message>
    <message>
        <source>Round</source>
        <translation>Manche</translation>
    </message>
    <message>
        <source>Round clock</source>
        <translation>Horloge de la manche</translation>
    </message>
    <message>
        <source>Winner!</source>
        <translation>Gagné !</translation>
    </message>
    <message>
        <source>Die %1: %2</source>
        <translation>Dé %1 : %2</translation>
    </message>
    <message>
        <source>Die %1: none</source>
        <translation>Dé %1 : aucun</translation>
    </message>
    <message>
        <source>100 bonus points</source>
        <translation>100 points de bonus</translation>
    </message>
    <message>
        <source>200 bonus points</source>
        <translation>200 points de bonus</translation>
    </message>
    <message>
        <source>extra pull</source>
        <translation>tirage en plus</translation>
    </message>
    <message>
        <source>Bonus %1: none</source>
        <translation>Bonus %1 : aucun</translation>
    </message>
    <message>
        <source>Bonus %1: %2</source>
        <translation>Bonus %1 : %2</translation>
    </message>
    <message>
        <source>Pulls left: %1</source>
        <translation>Tirages restants : %1</translation>
    </message>
</context>
<context>
    <name>kuvo::ChatPanel</name>
    <message>
        <source>My dad is cool.</source>
        <translation>Mon papa est trop cool.</translation>
    </message>
    <message>
        <source>I&apos;m a bit confused</source>
        <translation>Je suis un peu perdu</translation>
    </message>
    <message>
        <source>I need to find a job.</source>
        <translation>Il faut que je trouve un boulot.</translation>
    </message>
    <message>
        <source>I watched TV last night.</source>
        <translation>J’ai regardé la télé hier soir.</translation>
    </message>
    <message>
        <source>I wish you could see this!</source>
        <translation>Si seulement tu pouvais voir ça !</translation>
    </message>
    <message>
        <source>I don&apos;t think that is a good idea</source>
        <translation>Je ne crois pas que ce soit une bonne idée</translation>
    </message>
    <message>
        <source>That is very wise of you</source>
        <translation>C’est très sage de ta part</translation>
    </message>
    <message>
        <source>Tomorrow will be here quickly.</source>
        <translation>Demain arrivera vite.</translation>
    </message>
    <message>
        <source>Stop yelling at me.</source>
        <translation>Arrête de me crier dessus.</translation>
    </message>
    <message>
        <source>Don&apos;t slam the door please.</source>
        <translation>Ne claque pas la porte, s’il te plaît.</translation>
    </message>
    <message>
        <source>I skipped breakfast today.</source>
        <translation>Je n’ai pas pris de petit-déjeuner ce matin.</translation>
    </message>
    <message>
        <source>Have you seen Fuzzbean today?</source>
        <translation>Tu as vu Fuzzbean aujourd’hui ?</translation>
    </message>
    <message>
        <source>Is it snack time yet?</source>
        <translation>C’est bientôt l’heure du goûter ?</translation>
    </message>
    <message>
        <source>Do you have a candy bar?</source>
        <translation>Tu as une barre chocolatée ?</translation>
    </message>
    <message>
        <source>Oh the ice cream man is coming!</source>
        <translation>Oh, voilà le marchand de glaces !</translation>
    </message>
    <message>
        <source>Did you see that?</source>
        <translation>Tu as vu ça ?</translation>
    </message>
    <message>
        <source>Why did you do that?</source>
        <translation>Pourquoi tu as fait ça ?</translation>
    </message>
    <message>
        <source>Who knows..</source>
        <translation>Qui sait..</translation>
    </message>
    <message>
        <source>Are you sure you are OK?</source>
        <translation>Tu es sûr que ça va ?</translation>
    </message>
    <message>
        <source>I&apos;m feeling lucky tonight.</source>
        <translation>Je sens que la chance est avec moi ce soir.</translation>
    </message>
    <message>
        <source>Will you come and play again sometime?</source>
        <translation>Tu reviendras jouer un de ces jours ?</translation>
    </message>
    <message>
        <source>I&apos;m so happy you are here!</source>
        <translation>Je suis tellement content que tu sois là !</translation>
    </message>
    <message>
        <source>What is in your lunchbox today?</source>
        <translation>Qu’est-ce qu’il y a dans ta boîte à goûter aujourd’hui ?</translation>
    </message>
    <message>
        <source>Hey, I found a penny!</source>
        <translation>Hé, j’ai trouvé un centime !</translation>
    </message>
    <message>
        <source>Kuvo  -  pull, roll and fill!</source>
        <translation>Kuvo  -  tirer, lancer, remplir !</translation>
    </message>
    <message>
        <source>Rovi the bot says: %1</source>
        <translation>Rovi le robot dit : %1</translation>
    </message>
    <message>
        <source>/me TEXT shows TEXT as something you do, as in &quot;/me waves&quot;.</source>
        <translation>/me TEXTE montre TEXTE comme une action de votre part, par exemple « /me salue ».</translation>
    </message>
    <message>
        <source>/help lists these commands.</source>
        <translation>/help affiche ces commandes.</translation>
    </message>
    <message>
        <source>Unknown command %1. /help lists them.</source>
        <translation>Commande inconnue %1. /help affiche la liste.</translation>
    </message>
    <message>
        <source>Cannot open Webpage</source>
        <translation>Impossible d’ouvrir la page web</translation>
    </message>
    <message>
        <source>&lt;Enter Chat Here&gt;</source>
        <translation>&lt;Écrivez ici&gt;</translation>
    </message>
    <message>
        <source>Chat</source>
        <translation>Chat</translation>
    </message>
    <message>
        <source>Chat message</source>
        <translation>Message de chat</translation>
    </message>
    <message>
        <source>Return sends the message to the table</source>
        <translation>Entrée envoie le message à la table</translation>
    </message>
    <message>
        <source>Smileys</source>
        <translation>Smileys</translation>
    </message>
    <message>
        <source>Adds a smiley to the chat message</source>
        <translation>Ajoute un smiley au message de chat</translation>
    </message>
    <message>
        <source>Says the phrase to the table</source>
        <translation>Dit la phrase à la table</translation>
    </message>
    <message>
        <source>Chatter sounds</source>
        <translation>Sons du chat</translation>
    </message>
    <message>
        <source>Plays a sound to the table</source>
        <translation>Fait entendre un son à la table</translation>
    </message>
    <message>
        <source>Kuvo banner</source>
        <translation>Bannière de Kuvo</translation>
    </message>
    <message>
        <source>A click opens the maker&apos;s web page</source>
        <translation>Un clic ouvre la page web de l’éditeur</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>Tout &amp;sélectionner</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copier</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Coller</translation>
    </message>
    <message>
        <source>Phrase %1: %2</source>
        <translation>Phrase %1 : %2</translation>
    </message>
</context>
<context>
    <name>kuvo::GameTable</name>
    <message>
        <source>Time: %1:%2%3</source>
        <translation>Temps : %1:%2%3</translation>
    </message>
    <message>
        <source>Round: 0 of%1</source>
        <translation>Manche 0/%1</translation>
    </message>
    <message>
        <source>%1 has started a game.</source>
        <translation>%1 a lancé une partie.</translation>
    </message>
    <message>
        <source>You have started a game.</source>
        <translation>Vous avez lancé une partie.</translation>
    </message>
    <message>
        <source>I am Rovi the bot. Good Luck!</source>
        <translation>Je suis Rovi le robot. Bonne chance !</translation>
    </message>
    <message>
        <source>Round: %1 of %2</source>
        <translation>Manche %1/%2</translation>
    </message>
    <message>
        <source>Tie! An extra round decides.</source>
        <translation>Égalité ! Une manche de plus va départager.</translation>
    </message>
    <message>
        <source>It&apos;s time to Kuvo!</source>
        <translation>C’est l’heure de Kuvo !</translation>
    </message>
    <message>
        <source>No Time Limit</source>
        <translation>Sans limite de temps</translation>
    </message>
    <message>
        <source>CHOOSE A NUMBER!</source>
        <translation>CHOISISSEZ UN NOMBRE !</translation>
    </message>
    <message>
        <source>No more Pulls left!</source>
        <translation>Plus aucun tirage !</translation>
    </message>
    <message>
        <source>PULL AGAIN!</source>
        <translation>TIREZ ENCORE !</translation>
    </message>
    <message>
        <source>You received 100 bonus points!</source>
        <translation>Vous gagnez 100 points de bonus !</translation>
    </message>
    <message>
        <source>You received 200 bonus points!</source>
        <translation>Vous gagnez 200 points de bonus !</translation>
    </message>
    <message>
        <source>You received an Extra Pull!</source>
        <translation>Vous gagnez un tirage en plus !</translation>
    </message>
    <message>
        <source>You have filled the board!</source>
        <translation>Vous avez rempli la grille !</translation>
    </message>
    <message>
        <source>Out of Time</source>
        <translation>Temps écoulé</translation>
    </message>
    <message>
        <source>The Round is Over!</source>
        <translation>La manche est finie !</translation>
    </message>
    <message>
        <source>%1 %2 (total %3)</source>
        <translation>%1 %2 (total %3)</translation>
    </message>
    <message>
        <source>Round %1: %2.</source>
        <translation>Manche %1 : %2.</translation>
    </message>
    <message>
        <source>Please Wait for Next Round!</source>
        <translation>Attendez la manche suivante !</translation>
    </message>
    <message>
        <source>You have Won the Game!</source>
        <translation>Vous avez gagné la partie !</translation>
    </message>
    <message>
        <source>%1 has Won the Game!</source>
        <translation>%1 a gagné la partie !</translation>
    </message>
    <message>
        <source>The Game is Over!</source>
        <translation>La partie est finie !</translation>
    </message>
    <message>
        <source>%1 is just watching</source>
        <translation>%1 regarde seulement</translation>
    </message>
    <message>
        <source>%1 is now playing again</source>
        <translation>%1 rejoue</translation>
    </message>
    <message>
        <source>You now start the games.</source>
        <translation>C’est maintenant vous qui lancez les parties.</translation>
    </message>
    <message>
        <source>%1 now starts the games.</source>
        <translation>C’est maintenant %1 qui lance les parties.</translation>
    </message>
    <message>
        <source>Waiting for %1 to start the game.</source>
        <translation>En attente que %1 lance la partie.</translation>
    </message>
    <message>
        <source>No Pulls</source>
        <translation>Aucun tirage</translation>
    </message>
    <message>
        <source>You must Pull first.</source>
        <translation>Vous devez d’abord tirer.</translation>
    </message>
    <message>
        <source>That number does not match.</source>
        <translation>Ce nombre ne correspond pas.</translation>
    </message>
    <message>
        <source>Time: 0:00</source>
        <translation>Temps : 0:00</translation>
    </message>
</context>
<context>
    <name>kuvo::PlayWithOthers</name>
    <message>
        <source>Waiting</source>
        <translation>En attente</translation>
    </message>
    <message>
        <source>Round %1 of %2</source>
        <translation>Manche %1 sur %2</translation>
    </message>
    <message>
        <source>Kuvo - Play with Others</source>
        <translation>Kuvo - Jouer avec d’autres</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adresse</translation>
    </message>
    <message>
        <source>Players</source>
        <translation>Joueurs</translation>
    </message>
    <message>
        <source>Watching</source>
        <translation>Spectateurs</translation>
    </message>
    <message>
        <source>State</source>
        <translation>État</translation>
    </message>
    <message>
        <source>Your &amp;name:</source>
        <translation>Votre &amp;nom :</translation>
    </message>
    <message>
        <source>&amp;Address:</source>
        <translation>&amp;Adresse :</translation>
    </message>
    <message>
        <source>host name or address, :port if not %1</source>
        <translation>nom d’hôte ou adresse, :port si autre que %1</translation>
    </message>
    <message>
        <source>Looking for tables... None has answered yet; you can type a table&apos;s address instead.</source>
        <translation>Recherche de tables... Aucune n’a encore répondu ; vous pouvez aussi saisir l’adresse d’une table.</translation>
    </message>
    <message>
        <source>&amp;Tables on your network:</source>
        <translation>&amp;Tables sur votre réseau :</translation>
    </message>
    <message>
        <source>&amp;Join</source>
        <translation>&amp;Rejoindre</translation>
    </message>
    <message>
        <source>&amp;Host a Table</source>
        <translation>&amp;Ouvrir une table</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>Ann&amp;uler</translation>
    </message>
</context>
<context>
    <name>kuvo::PlayerSlotsPanel</name>
    <message>
        <source>Pulls</source>
        <translation>Tirages</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>Current</source>
        <translation>En cours</translation>
    </message>
    <message>
        <source>&lt;Waiting&gt;</source>
        <translation>&lt;Libre&gt;</translation>
    </message>
    <message>
        <source>Slot %1: %2, total %3</source>
        <translation>Place %1 : %2, total %3</translation>
    </message>
    <message>
        <source>, pulls %1</source>
        <translation>, tirages %1</translation>
    </message>
    <message>
        <source>, current %1</source>
        <translation>, en cours %1</translation>
    </message>
    <message>
        <source>just watching</source>
        <translation>regarde seulement</translation>
    </message>
    <message>
        <source>You are Connected.</source>
        <translation>Vous êtes connecté.</translation>
    </message>
    <message>
        <source>%1 is Connected.</source>
        <translation>%1 est connecté.</translation>
    </message>
    <message>
        <source>You are spying.</source>
        <translation>Vous espionnez.</translation>
    </message>
    <message>
        <source>%1 is spying.</source>
        <translation>%1 espionne.</translation>
    </message>
    <message numerus="yes">
        <source>%1 takes over %2&apos;s seat (%n points).</source>
        <translation>
            <numerusform>%1 prend la place de %2 (%n point).</numerusform>
            <numerusform>%1 prend la place de %2 (%n points).</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 has left.</source>
        <translation>%1 est parti.</translation>
    </message>
    <message>
        <source>%1 disconnected.</source>
        <translation>%1 a perdu la connexion.</translation>
    </message>
    <message numerus="yes">
        <source>%1 lost the connection. The seat is kept for %n seconds.</source>
        <translation>
            <numerusform>%1 a perdu la connexion. Sa place est gardée %n seconde.</numerusform>
            <numerusform>%1 a perdu la connexion. Sa place est gardée %n secondes.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 is back in the seat.</source>
        <translation>%1 a repris sa place.</translation>
    </message>
    <message>
        <source>%1 removed you from the table.</source>
        <translation>%1 vous a retiré de la table.</translation>
    </message>
    <message>
        <source>%1 removed %2.</source>
        <translation>%1 a retiré %2.</translation>
    </message>
    <message>
        <source>Remove %1 from the table?</source>
        <translation>Retirer %1 de la table ?</translation>
    </message>
    <message>
        <source>&amp;Remove From Game</source>
        <translation>&amp;Retirer de la partie</translation>
    </message>
    <message>
        <source>&amp;Set to Just Watch</source>
        <translation>&amp;Faire regarder seulement</translation>
    </message>
    <message>
        <source>&amp;Unset Just Watch</source>
        <translation>Faire re&amp;jouer</translation>
    </message>
</context>
<context>
    <name>kuvo::Smileys</name>
    <message>
        <source>Smile</source>
        <translation>Sourire</translation>
    </message>
    <message>
        <source>Grin</source>
        <translation>Grand sourire</translation>
    </message>
    <message>
        <source>Wink</source>
        <translation>Clin d’œil</translation>
    </message>
    <message>
        <source>Frown</source>
        <translation>Mine renfrognée</translation>
    </message>
    <message>
        <source>Surprised</source>
        <translation>Surpris</translation>
    </message>
    <message>
        <source>Tongue out</source>
        <translation>Langue tirée</translation>
    </message>
    <message>
        <source>Cool grin</source>
        <translation>Sourire cool</translation>
    </message>
    <message>
        <source>Angry</source>
        <translation>En colère</translation>
    </message>
    <message>
        <source>Sleepy</source>
        <translation>Endormi</translation>
    </message>
    <message>
        <source>In love</source>
        <translation>Amoureux</translation>
    </message>
    <message>
        <source>Confused</source>
        <translation>Perplexe</translation>
    </message>
    <message>
        <source>Kiss</source>
        <translation>Bisou</translation>
    </message>
    <message>
        <source>Sick</source>
        <translation>Malade</translation>
    </message>
    <message>
        <source>Feeling blue</source>
        <translation>Triste</translation>
    </message>
    <message>
        <source>Laughing</source>
        <translation>Éclat de rire</translation>
    </message>
    <message>
        <source>Blowing a kiss</source>
        <translation>Envoie un bisou</translation>
    </message>
    <message>
        <source>Speechless</source>
        <translation>Sans voix</translation>
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
        <translation>&lt;Annuler&gt;</translation>
    </message>
    <message>
        <source>Doh</source>
        <translation>Oups</translation>
    </message>
    <message>
        <source>Cough</source>
        <translation>Toux</translation>
    </message>
    <message>
        <source>Hello</source>
        <translation>Bonjour</translation>
    </message>
    <message>
        <source>Thank You</source>
        <translation>Merci</translation>
    </message>
    <message>
        <source>Where have you been?</source>
        <translation>Où étais-tu passé ?</translation>
    </message>
    <message>
        <source>Snoring</source>
        <translation>Ronflement</translation>
    </message>
    <message>
        <source>Sneezing</source>
        <translation>Éternuement</translation>
    </message>
    <message>
        <source>Sorry</source>
        <translation>Pardon</translation>
    </message>
    <message>
        <source>Welcome</source>
        <translation>Bienvenue</translation>
    </message>
    <message>
        <source>Yeehaa</source>
        <translation>Yeehaa</translation>
    </message>
    <message>
        <source>Yippee</source>
        <translation>Youpi</translation>
    </message>
    <message>
        <source>Oh No</source>
        <translation>Oh non</translation>
    </message>
    <message>
        <source>Applause</source>
        <translation>Applaudissements</translation>
    </message>
    <message>
        <source>Honk</source>
        <translation>Klaxon</translation>
    </message>
    <message>
        <source>Oooh</source>
        <translation>Oooh</translation>
    </message>
    <message>
        <source>Razzberry</source>
        <translation>Pfff</translation>
    </message>
    <message>
        <source>Cheer</source>
        <translation>Hourra</translation>
    </message>
    <message>
        <source>Woman Laughing</source>
        <translation>Rire de femme</translation>
    </message>
    <message>
        <source>Man Laughing</source>
        <translation>Rire d’homme</translation>
    </message>
    <message>
        <source>Crying</source>
        <translation>Pleurs</translation>
    </message>
    <message>
        <source>%1: &lt;Chatter Sound&gt; %2</source>
        <translation>%1 : &lt;Son de chat&gt; %2</translation>
    </message>
</context>
<context>
    <name>kuvo::Tabout</name>
    <message>
        <source>Kuvo - About</source>
        <translation>Kuvo - À propos</translation>
    </message>
    <message>
        <source>Version </source>
        <translation>Version </translation>
    </message>
    <message>
        <source>Cannot open Webpage</source>
        <translation>Impossible d’ouvrir la page web</translation>
    </message>
    <message>
        <source>Kuvo logo</source>
        <translation>Logo de Kuvo</translation>
    </message>
    <message>
        <source>Opens the maker&apos;s web site</source>
        <translation>Ouvre le site web de l’éditeur</translation>
    </message>
    <message>
        <source>&amp;Done</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>Free software under the GNU GPL, version 3 or later.</source>
        <translation>Logiciel libre sous GNU GPL, version 3 ou ultérieure.</translation>
    </message>
    <message>
        <source>Copyright ©</source>
        <translation>Copyright ©</translation>
    </message>
</context>
<context>
    <name>kuvo::Tchat</name>
    <message>
        <source>%1 has a different version of the game then you.</source>
        <translation>%1 a une autre version du jeu que vous.</translation>
    </message>
    <message>
        <source>You have a differnt version of the game then the host.</source>
        <translation>Vous avez une autre version du jeu que l’hôte.</translation>
    </message>
    <message>
        <source>Game is full</source>
        <translation>La partie est complète</translation>
    </message>
    <message>
        <source>%1 closed the table.</source>
        <translation>%1 a fermé la table.</translation>
    </message>
    <message>
        <source>The table was closed.</source>
        <translation>La table a été fermée.</translation>
    </message>
    <message>
        <source>The connection to the table was closed.</source>
        <translation>La connexion à la table a été fermée.</translation>
    </message>
    <message>
        <source>No computer called %1 was found, so the table at %2 could not be reached. Check the spelling of the address.</source>
        <translation>Aucun ordinateur nommé %1 n’a été trouvé : la table à l’adresse %2 est injoignable. Vérifiez l’orthographe de l’adresse.</translation>
    </message>
    <message>
        <source>Could not reach the table at %1. Check the address, and that the table is running and lets players in through its firewall.</source>
        <translation>La table à l’adresse %1 est injoignable. Vérifiez l’adresse, que la table est ouverte et que son pare-feu laisse entrer les joueurs.</translation>
    </message>
    <message>
        <source>Play with &amp;Others…</source>
        <translation>Jouer avec d’&amp;autres…</translation>
    </message>
    <message>
        <source>Stop &amp;Reconnecting</source>
        <translation>A&amp;rrêter de se reconnecter</translation>
    </message>
    <message>
        <source>Loading Solo Game..Please wait.</source>
        <translation>Chargement de la partie en solo.. Veuillez patienter.</translation>
    </message>
    <message>
        <source>Loading Multi-player Game.. Please Wait.</source>
        <translation>Chargement de la partie à plusieurs.. Veuillez patienter.</translation>
    </message>
    <message>
        <source>Listen - Error Binding Socket</source>
        <translation>Erreur : impossible d’ouvrir le port de la table</translation>
    </message>
    <message>
        <source>No table could be opened: port %1 of this computer is in use, most likely by another table. Close that program, or join its table.</source>
        <translation>Impossible d’ouvrir une table : le port %1 de cet ordinateur est déjà utilisé, sans doute par une autre table. Fermez ce programme ou rejoignez sa table.</translation>
    </message>
    <message>
        <source>The table sent more than this program can take. The connection to the table was closed.</source>
        <translation>La table a envoyé plus que ce programme ne peut traiter. La connexion à la table a été fermée.</translation>
    </message>
    <message>
        <source>Connection lost - reconnecting…</source>
        <translation>Connexion perdue - reconnexion…</translation>
    </message>
    <message>
        <source>The connection to the table was lost. Trying to get back in…</source>
        <translation>La connexion à la table est perdue. Tentative de retour…</translation>
    </message>
    <message>
        <source>You are back in your seat; the game goes on.</source>
        <translation>Vous avez repris votre place ; la partie continue.</translation>
    </message>
    <message>
        <source>You are not connected</source>
        <translation>Vous n’êtes pas connecté</translation>
    </message>
    <message>
        <source>A game is running. Start a new game? The running game ends for every player and its scores are lost.</source>
        <translation>Une partie est en cours. Lancer une nouvelle partie ? La partie en cours se termine pour tous les joueurs et ses points sont perdus.</translation>
    </message>
    <message numerus="yes">
        <source>%n players are at your table. Closing it ends their game. Close it?</source>
        <translation>
            <numerusform>%n joueur est à votre table. La fermer met fin à sa partie. La fermer ?</numerusform>
            <numerusform>%n joueurs sont à votre table. La fermer met fin à leur partie. La fermer ?</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Start Game</source>
        <translation>&amp;Lancer la partie</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>&amp;Play Sounds</source>
        <translation>&amp;Jouer les sons</translation>
    </message>
    <message>
        <source>Play &amp;Chatter Sounds</source>
        <translation>Jouer les sons du c&amp;hat</translation>
    </message>
    <message>
        <source>&amp;Turn Sound</source>
        <translation>&amp;Signal de départ</translation>
    </message>
    <message>
        <source>&amp;Classic</source>
        <translation>&amp;Classique</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nouveau</translation>
    </message>
    <message>
        <source>Text Co&amp;lor</source>
        <translation>&amp;Couleur du texte</translation>
    </message>
    <message>
        <source>Text Si&amp;ze</source>
        <translation>&amp;Taille du texte</translation>
    </message>
    <message>
        <source>&amp;Scroll Chat Off</source>
        <translation>&amp;Ne pas faire défiler le chat</translation>
    </message>
    <message>
        <source>Clear &amp;Main Chat</source>
        <translation>&amp;Effacer le chat</translation>
    </message>
    <message>
        <source>&amp;Reset Screen Location</source>
        <translation>Replacer la &amp;fenêtre</translation>
    </message>
    <message>
        <source>&amp;Just Watch</source>
        <translation>&amp;Regarder seulement</translation>
    </message>
    <message>
        <source>Spea&amp;k Chat Lines</source>
        <translation>&amp;Lire le chat à voix haute</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Affichage</translation>
    </message>
    <message>
        <source>View &amp;Tally</source>
        <translation>Afficher le &amp;bilan</translation>
    </message>
    <message>
        <source>&amp;Spy List</source>
        <translation>Liste des &amp;espions</translation>
    </message>
    <message>
        <source>&amp;Phrase List</source>
        <translation>Liste des &amp;phrases</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ai&amp;de</translation>
    </message>
    <message>
        <source>&amp;Content</source>
        <translation>&amp;Sommaire</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>À &amp;propos de Kuvo</translation>
    </message>
</context>
<context>
    <name>kuvo::Tdownload</name>
    <message>
        <source>Download The Orvel Lobby</source>
        <translation>Télécharger l’Orvel Lobby</translation>
    </message>
    <message>
        <source>IS CLOSED</source>
        <translation>FERMÉ</translation>
    </message>
    <message>
        <source>Download The Orvel Lobby Now to play this  and other exciting games online with other players! </source>
        <translation>Téléchargez l’Orvel Lobby dès maintenant pour jouer en ligne à ce jeu et à d’autres jeux passionnants avec d’autres joueurs !</translation>
    </message>
    <message>
        <source>To proceed to the game without the ability to play against others click the button below.</source>
        <translation>Pour jouer tout de suite, sans autres joueurs, cliquez sur le bouton ci-dessous.</translation>
    </message>
    <message>
        <source>Note: Even if you are playing offline, you will need to configure your FIREWALL to allow the game to access the internet components.</source>
        <translation>Remarque : même hors ligne, vous devez régler votre PARE-FEU pour que le jeu puisse accéder aux composants Internet.</translation>
    </message>
    <message>
        <source>To play with others, click the button below: it lists the tables on your network, where you can join one or host your own. If The Orvel Lobby is installed, it closes this game and opens The Orvel Lobby instead.</source>
        <translation>Pour jouer avec d’autres, cliquez sur le bouton ci-dessous : il affiche les tables de votre réseau, où vous pouvez en rejoindre une ou ouvrir la vôtre. Si l’Orvel Lobby est installé, il ferme plutôt ce jeu et ouvre l’Orvel Lobby.</translation>
    </message>
    <message>
        <source>Download Aborted</source>
        <translation>Téléchargement interrompu</translation>
    </message>
    <message>
        <source>An Error has Occurred.</source>
        <translation>Une erreur est survenue.</translation>
    </message>
    <message>
        <source>Loading</source>
        <translation>Chargement</translation>
    </message>
    <message numerus="yes">
        <source>Received %n bytes</source>
        <translation>
            <numerusform>%n octet reçu</numerusform>
            <numerusform>%n octets reçus</numerusform>
        </translation>
    </message>
    <message>
        <source>Saved: %1</source>
        <translation>Enregistré : %1</translation>
    </message>
    <message>
        <source>Installing</source>
        <translation>Installation</translation>
    </message>
    <message>
        <source>Download has been aborted.</source>
        <translation>Le téléchargement a été interrompu.</translation>
    </message>
    <message>
        <source>Downloading: %1</source>
        <translation>Téléchargement : %1</translation>
    </message>
    <message numerus="yes">
        <source>%n bytes</source>
        <translation>
            <numerusform>%n octet</numerusform>
            <numerusform>%n octets</numerusform>
        </translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Téléchargement</translation>
    </message>
    <message>
        <source>The Orvel Lobby banner</source>
        <translation>Bannière de l’Orvel Lobby</translation>
    </message>
    <message>
        <source>&amp;Download And Install The Orvel Lobby Now</source>
        <translation>&amp;Télécharger et installer l’Orvel Lobby</translation>
    </message>
    <message>
        <source>&amp;Stop Download</source>
        <translation>A&amp;rrêter</translation>
    </message>
    <message>
        <source>Solo game</source>
        <translation>Partie en solo</translation>
    </message>
    <message>
        <source>&amp;Play Solo Game</source>
        <translation>&amp;Jouer en solo</translation>
    </message>
    <message>
        <source>Playing with others</source>
        <translation>Jouer avec d’autres</translation>
    </message>
    <message>
        <source>Play with &amp;Others</source>
        <translation>Jouer avec d’&amp;autres</translation>
    </message>
</context>
<context>
    <name>kuvo::Tgamestart</name>
    <message>
        <source>Kuvo - Game Start</source>
        <translation>Kuvo - Début de partie</translation>
    </message>
    <message>
        <source>Game Options</source>
        <translation>Options de la partie</translation>
    </message>
    <message>
        <source>secs</source>
        <translation>s</translation>
    </message>
    <message>
        <source>Start Game</source>
        <translation>Lancer la partie</translation>
    </message>
    <message>
        <source>&amp;Rounds Per Game: </source>
        <translation>&amp;Manches par partie : </translation>
    </message>
    <message>
        <source>&amp;Time Per Round:</source>
        <translation>&amp;Temps par manche :</translation>
    </message>
    <message>
        <source>seconds; 0 means no time limit</source>
        <translation>secondes ; 0 signifie sans limite de temps</translation>
    </message>
</context>
<context>
    <name>kuvo::Thelp</name>
    <message>
        <source>Kuvo - Help File</source>
        <translation>Kuvo - Aide</translation>
    </message>
    <message>
        <source>Copyright ©</source>
        <translation>Copyright ©</translation>
    </message>
    <message>
        <source>en</source>
        <comment>folder of the help pages in this language: de, fr, pt_BR</comment>
        <translation>fr</translation>
    </message>
    <message>
        <source>&amp;Overview</source>
        <translation>Pré&amp;sentation</translation>
    </message>
    <message>
        <source>&amp;Connecting</source>
        <translation>&amp;Connexion</translation>
    </message>
    <message>
        <source>&amp;Game Play</source>
        <translation>&amp;Déroulement</translation>
    </message>
    <message>
        <source>&amp;Scoring</source>
        <translation>&amp;Points</translation>
    </message>
    <message>
        <source>Doc&amp;umentation</source>
        <translation>Doc&amp;umentation</translation>
    </message>
    <message>
        <source>&amp;License</source>
        <translation>&amp;Licence</translation>
    </message>
    <message>
        <source>&amp;The Lobby</source>
        <translation>Le Lo&amp;bby</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>À pr&amp;opos</translation>
    </message>
    <message>
        <source>&amp;Done</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>Free software under the GNU GPL, version 3 or later.</source>
        <translation>Logiciel libre sous GNU GPL, version 3 ou ultérieure.</translation>
    </message>
</context>
<context>
    <name>kuvo::Tphrases</name>
    <message>
        <source>Kuvo - Phrase Buttons </source>
        <translation>Kuvo - Boutons de phrases </translation>
    </message>
    <message>
        <source>Phrase Button %1:</source>
        <translation>Bouton de phrase %1 :</translation>
    </message>
    <message>
        <source>Buttons can only be used once every 2 seconds</source>
        <translation>Un bouton ne sert qu’une fois toutes les 2 secondes</translation>
    </message>
    <message>
        <source>&amp;Done</source>
        <translation>&amp;Fermer</translation>
    </message>
</context>
<context>
    <name>kuvo::Tspylist</name>
    <message>
        <source>Kuvo - Spys</source>
        <translation>Kuvo - Espions</translation>
    </message>
    <message>
        <source>Spy List</source>
        <translation>Liste des espions</translation>
    </message>
    <message>
        <source>Remove From Game</source>
        <translation>Retirer de la partie</translation>
    </message>
    <message>
        <source>&amp;Done</source>
        <translation>&amp;Fermer</translation>
    </message>
</context>
<context>
    <name>kuvo::Ttallylist</name>
    <message>
        <source>Your tally file could not be read (%1) and could not be moved aside. It is left as it is, and this run&apos;s tally will not be saved.</source>
        <translation>Votre fichier de bilan est illisible (%1) et n’a pas pu être mis de côté. Il est laissé tel quel, et le bilan de cette session ne sera pas enregistré.</translation>
    </message>
    <message>
        <source>Your tally file could not be read (%1). It is kept unchanged as %2, and a new tally has been started.</source>
        <translation>Votre fichier de bilan est illisible (%1). Il est conservé tel quel sous le nom %2, et un nouveau bilan a été commencé.</translation>
    </message>
    <message>
        <source>Kuvo - Tally List</source>
        <translation>Kuvo - Bilan</translation>
    </message>
    <message>
        <source>Your Total Tally</source>
        <translation>Votre bilan total</translation>
    </message>
    <message>
        <source>Total Games:</source>
        <translation>Parties :</translation>
    </message>
    <message>
        <source>Your Wins:</source>
        <translation>Vos victoires :</translation>
    </message>
    <message>
        <source>Highest Round Score:</source>
        <translation>Meilleure manche :</translation>
    </message>
    <message>
        <source>Black Outs:</source>
        <translation>Grilles remplies :</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>Session</source>
        <translation>Session</translation>
    </message>
    <message>
        <source>Number of Games</source>
        <translation>Parties</translation>
    </message>
    <message>
        <source>XX Wins:</source>
        <translation>Victoires de XX :</translation>
    </message>
    <message>
        <source>Neither Won:</source>
        <translation>Aucun gagnant :</translation>
    </message>
    <message>
        <source>Players In Current Game</source>
        <translation>Joueurs de la partie</translation>
    </message>
    <message>
        <source>Players Being Tallied</source>
        <translation>Joueurs suivis</translation>
    </message>
    <message>
        <source>This will delete %1&apos;s Tally, Are you want to delete it?</source>
        <translation>Cela supprime le bilan contre %1. Voulez-vous vraiment le supprimer ?</translation>
    </message>
    <message>
        <source>%1 Wins:</source>
        <translation>Victoires de %1 :</translation>
    </message>
    <message>
        <source>%1&apos;s Tally</source>
        <translation>Bilan contre %1</translation>
    </message>
    <message>
        <source>Are you sure you want to reset the Tally?</source>
        <translation>Voulez-vous vraiment remettre le bilan à zéro ?</translation>
    </message>
    <message>
        <source>Head to head</source>
        <translation>Face-à-face</translation>
    </message>
    <message>
        <source>&amp;Reset Tally</source>
        <translation>&amp;Effacer</translation>
    </message>
    <message>
        <source>&amp;Done</source>
        <translation>&amp;Fermer</translation>
    </message>
</context>
<context>
    <name>kuvo::windowart</name>
    <message>
        <source>START GAME</source>
        <translation>C’EST PARTI</translation>
    </message>
    <message>
        <source>a dice game by Orvel</source>
        <translation>un jeu de dés signé Orvel</translation>
    </message>
</context>
</TS>
