<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>kuvo::Announcer</name>
    <message>
        <source>none</source>
        <translation>ninguno</translation>
    </message>
    <message>
        <source>%1 plus 100</source>
        <translation>%1 más 100</translation>
    </message>
    <message>
        <source>%1 plus 200</source>
        <translation>%1 más 200</translation>
    </message>
    <message>
        <source>%1 extra pull</source>
        <translation>%1 con tirada extra</translation>
    </message>
    <message>
        <source>Fits column %1.</source>
        <translation>Cabe en la columna %1.</translation>
    </message>
    <message>
        <source>Fits columns %1.</source>
        <translation>Cabe en las columnas %1.</translation>
    </message>
    <message>
        <source>No die fits: pull again.</source>
        <translation>Ningún dado cabe: tira otra vez.</translation>
    </message>
    <message>
        <source>No die fits, and no pulls are left.</source>
        <translation>Ningún dado cabe y no quedan tiradas.</translation>
    </message>
    <message>
        <source>Dice: %1. %2</source>
        <translation>Dados: %1. %2</translation>
    </message>
    <message>
        <source>Taken: column %1, row %2.</source>
        <translation>Tomada: columna %1, fila %2.</translation>
    </message>
    <message numerus="yes">
        <source>%n points.</source>
        <translation>
            <numerusform>%n punto.</numerusform>
            <numerusform>%n puntos.</numerusform>
        </translation>
    </message>
    <message>
        <source>Total %1.</source>
        <translation>Total %1.</translation>
    </message>
    <message>
        <source>Extra pull.</source>
        <translation>Tirada extra.</translation>
    </message>
    <message numerus="yes">
        <source>%n pulls left.</source>
        <translation>
            <numerusform>Queda %n tirada.</numerusform>
            <numerusform>Quedan %n tiradas.</numerusform>
        </translation>
    </message>
    <message>
        <source>No pulls left.</source>
        <translation>No quedan tiradas.</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>No scores yet.</source>
        <translation>Aún no hay puntos.</translation>
    </message>
    <message>
        <source>Round %1 is over.</source>
        <translation>La ronda %1 ha terminado.</translation>
    </message>
    <message numerus="yes">
        <source>%n seconds left</source>
        <translation>
            <numerusform>Queda %n segundo</numerusform>
            <numerusform>Quedan %n segundos</numerusform>
        </translation>
    </message>
    <message>
        <source>smiley</source>
        <translation>emoticono</translation>
    </message>
</context>
<context>
    <name>kuvo::BoardPictures</name>
    <message>
        <source>Start Game</source>
        <translation>Empezar partida</translation>
    </message>
    <message>
        <source>PULL</source>
        <translation>TIRAR</translation>
    </message>
</context>
<context>
    <name>kuvo::BoardView</name>
    <message>
        <source>Welcome to Kuvo!</source>
        <translation>¡Bienvenido a Kuvo!</translation>
    </message>
    <message>
        <source>Round: 0 of 0</source>
        <translation>Ronda: 0 de 0</translation>
    </message>
    <message>
        <source>Time: 0:00</source>
        <translation>Tiempo: 0:00</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Tablero</translation>
    </message>
    <message>
        <source>Arrow keys move the cursor, Return takes the cell, Space pulls</source>
        <translation>Las flechas mueven el cursor, Intro toma la casilla, Espacio tira</translation>
    </message>
    <message>
        <source>Column %1, row %2: %3</source>
        <translation>Columna %1, fila %2: %3</translation>
    </message>
    <message>
        <source>Column %1, row %2</source>
        <translation>Columna %1, fila %2</translation>
    </message>
    <message>
        <source>taken</source>
        <translation>tomada</translation>
    </message>
    <message>
        <source>taken, 100 bonus points</source>
        <translation>tomada, 100 puntos extra</translation>
    </message>
    <message>
        <source>taken, 200 bonus points</source>
        <translation>tomada, 200 puntos extra</translation>
    </message>
    <message>
        <source>taken, extra pull</source>
        <translation>tomada, tirada extra</translation>
    </message>
    <message>
        <source>Pull ball</source>
        <translation>Bola de tirada</translation>
    </message>
    <message>
        <source>Space on the board pulls</source>
        <translation>Espacio en el tablero tira</translation>
    </message>
    <message>
        <source>Start Game</source>
        <translation>Empezar partida</translation>
    </message>
    <message>
        <source>Round</source>
        <translation>Ronda</translation>
    </message>
    <message>
        <source>Round clock</source>
        <translation>Reloj de la ronda</translation>
    </message>
    <message>
        <source>Winner!</source>
        <translation>¡Ganador!</translation>
    </message>
    <message>
        <source>Die %1: %2</source>
        <translation>Dado %1: %2</translation>
    </message>
    <message>
        <source>Die %1: none</source>
        <translation>Dado %1: ninguno</translation>
    </message>
    <message>
        <source>100 bonus points</source>
        <translation>100 puntos extra</translation>
    </message>
    <message>
        <source>200 bonus points</source>
        <translation>200 puntos extra</translation>
    </message>
    <message>
        <source>extra pull</source>
        <translation>tirada extra</translation>
    </message>
    <message>
        <source>Bonus %1: none</source>
        <translation>Bonus %1: ninguno</translation>
    </message>
    <message>
        <source>Bonus %1: %2</source>
        <translation>Bonus %1: %2</translation>
    </message>
    <message>
        <source>Pulls left: %1</source>
        <translation>Tiradas restantes: %1</translation>
    </message>
</context>
<context>
    <name>kuvo::ChatPanel</name>
    <message>
        <source>My dad is cool.</source>
        <translation>Mi papá es genial.</translation>
    </message>
    <message>
        <source>I&apos;m a bit confused</source>
        <translation>Estoy un poco confundido</translation>
    </message>
    <message>
        <source>I need to find a job.</source>
        <translation>Tengo que buscar trabajo.</translation>
    </message>
    <message>
        <source>I watched TV last night.</source>
        <translation>Anoche vi la tele.</translation>
    </message>
    <message>
        <source>I wish you could see this!</source>
        <translation>¡Ojalá pudieras ver esto!</translation>
    </message>
    <message>
        <source>I don&apos;t think that is a good idea</source>
        <translation>No creo que sea buena idea</translation>
    </message>
    <message>
        <source>That is very wise of you</source>
        <translation>Eso es muy sensato de tu parte</translation>
    </message>
    <message>
        <source>Tomorrow will be here quickly.</source>
        <translation>Mañana llega enseguida.</translation>
    </message>
    <message>
        <source>Stop yelling at me.</source>
        <translation>Deja de gritarme.</translation>
    </message>
    <message>
        <source>Don&apos;t slam the door please.</source>
        <translation>No des portazos, por favor.</translation>
    </message>
    <message>
        <source>I skipped breakfast today.</source>
        <translation>Hoy no he desayunado.</translation>
    </message>
    <message>
        <source>Have you seen Fuzzbean today?</source>
        <translation>¿Has visto hoy a Fuzzbean?</translation>
    </message>
    <message>
        <source>Is it snack time yet?</source>
        <translation>¿Ya es la hora de la merienda?</translation>
    </message>
    <message>
        <source>Do you have a candy bar?</source>
        <translation>¿Tienes una chocolatina?</translation>
    </message>
    <message>
        <source>Oh the ice cream man is coming!</source>
        <translation>¡Oh, viene el heladero!</translation>
    </message>
    <message>
        <source>Did you see that?</source>
        <translation>¿Has visto eso?</translation>
    </message>
    <message>
        <source>Why did you do that?</source>
        <translation>¿Por qué has hecho eso?</translation>
    </message>
    <message>
        <source>Who knows..</source>
        <translation>Quién sabe..</translation>
    </message>
    <message>
        <source>Are you sure you are OK?</source>
        <translation>¿Seguro que estás bien?</translation>
    </message>
    <message>
        <source>I&apos;m feeling lucky tonight.</source>
        <translation>Esta noche me siento con suerte.</translation>
    </message>
    <message>
        <source>Will you come and play again sometime?</source>
        <translation>¿Vendrás a jugar otra vez algún día?</translation>
    </message>
    <message>
        <source>I&apos;m so happy you are here!</source>
        <translation>¡Qué alegría que estés aquí!</translation>
    </message>
    <message>
        <source>What is in your lunchbox today?</source>
        <translation>¿Qué llevas hoy en la fiambrera?</translation>
    </message>
    <message>
        <source>Hey, I found a penny!</source>
        <translation>¡Eh, me he encontrado un céntimo!</translation>
    </message>
    <message>
        <source>Kuvo  -  pull, roll and fill!</source>
        <translation>Kuvo  -  ¡tira, rueda y llena!</translation>
    </message>
    <message>
        <source>Rovi the bot says: %1</source>
        <translation>Rovi el bot dice: %1</translation>
    </message>
    <message>
        <source>/me TEXT shows TEXT as something you do, as in &quot;/me waves&quot;.</source>
        <translation>/me TEXTO muestra TEXTO como algo que haces, como en «/me saluda».</translation>
    </message>
    <message>
        <source>/help lists these commands.</source>
        <translation>/help muestra estas órdenes.</translation>
    </message>
    <message>
        <source>Unknown command %1. /help lists them.</source>
        <translation>Orden desconocida %1. /help las muestra.</translation>
    </message>
    <message>
        <source>Cannot open Webpage</source>
        <translation>No se puede abrir la página web</translation>
    </message>
    <message>
        <source>&lt;Enter Chat Here&gt;</source>
        <translation>&lt;Escribe aquí&gt;</translation>
    </message>
    <message>
        <source>Chat</source>
        <translation>Chat</translation>
    </message>
    <message>
        <source>Chat message</source>
        <translation>Mensaje de chat</translation>
    </message>
    <message>
        <source>Return sends the message to the table</source>
        <translation>Intro envía el mensaje a la mesa</translation>
    </message>
    <message>
        <source>Smileys</source>
        <translation>Emoticonos</translation>
    </message>
    <message>
        <source>Adds a smiley to the chat message</source>
        <translation>Añade un emoticono al mensaje de chat</translation>
    </message>
    <message>
        <source>Says the phrase to the table</source>
        <translation>Dice la frase a la mesa</translation>
    </message>
    <message>
        <source>Chatter sounds</source>
        <translation>Sonidos del chat</translation>
    </message>
    <message>
        <source>Plays a sound to the table</source>
        <translation>Reproduce un sonido para la mesa</translation>
    </message>
    <message>
        <source>Kuvo banner</source>
        <translation>Banner de Kuvo</translation>
    </message>
    <message>
        <source>A click opens the maker&apos;s web page</source>
        <translation>Un clic abre la página web del fabricante</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>Seleccionar &amp;todo</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copiar</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Pegar</translation>
    </message>
    <message>
        <source>Phrase %1: %2</source>
        <translation>Frase %1: %2</translation>
    </message>
</context>
<context>
    <name>kuvo::GameTable</name>
    <message>
        <source>Time: %1:%2%3</source>
        <translation>Tiempo: %1:%2%3</translation>
    </message>
    <message>
        <source>Round: 0 of%1</source>
        <translation>Ronda: 0 de %1</translation>
    </message>
    <message>
        <source>%1 has started a game.</source>
        <translation>%1 ha empezado una partida.</translation>
    </message>
    <message>
        <source>You have started a game.</source>
        <translation>Has empezado una partida.</translation>
    </message>
    <message>
        <source>I am Rovi the bot. Good Luck!</source>
        <translation>Soy Rovi, el bot. ¡Buena suerte!</translation>
    </message>
    <message>
        <source>Round: %1 of %2</source>
        <translation>Ronda: %1 de %2</translation>
    </message>
    <message>
        <source>Tie! An extra round decides.</source>
        <translation>¡Empate! Decide una ronda extra.</translation>
    </message>
    <message>
        <source>It&apos;s time to Kuvo!</source>
        <translation>¡Es la hora de Kuvo!</translation>
    </message>
    <message>
        <source>No Time Limit</source>
        <translation>Sin límite de tiempo</translation>
    </message>
    <message>
        <source>CHOOSE A NUMBER!</source>
        <translation>¡ELIGE UN NÚMERO!</translation>
    </message>
    <message>
        <source>No more Pulls left!</source>
        <translation>¡No te quedan tiradas!</translation>
    </message>
    <message>
        <source>PULL AGAIN!</source>
        <translation>¡TIRA OTRA VEZ!</translation>
    </message>
    <message>
        <source>You received 100 bonus points!</source>
        <translation>¡Recibes 100 puntos extra!</translation>
    </message>
    <message>
        <source>You received 200 bonus points!</source>
        <translation>¡Recibes 200 puntos extra!</translation>
    </message>
    <message>
        <source>You received an Extra Pull!</source>
        <translation>¡Recibes una tirada extra!</translation>
    </message>
    <message>
        <source>You have filled the board!</source>
        <translation>¡Has llenado el tablero!</translation>
    </message>
    <message>
        <source>Out of Time</source>
        <translation>Se acabó el tiempo</translation>
    </message>
    <message>
        <source>The Round is Over!</source>
        <translation>¡La ronda ha terminado!</translation>
    </message>
    <message>
        <source>%1 %2 (total %3)</source>
        <translation>%1 %2 (total %3)</translation>
    </message>
    <message>
        <source>Round %1: %2.</source>
        <translation>Ronda %1: %2.</translation>
    </message>
    <message>
        <source>Please Wait for Next Round!</source>
        <translation>¡Espera a la siguiente ronda!</translation>
    </message>
    <message>
        <source>You have Won the Game!</source>
        <translation>¡Has ganado la partida!</translation>
    </message>
    <message>
        <source>%1 has Won the Game!</source>
        <translation>¡%1 ha ganado la partida!</translation>
    </message>
    <message>
        <source>The Game is Over!</source>
        <translation>¡La partida ha terminado!</translation>
    </message>
    <message>
        <source>%1 is just watching</source>
        <translation>%1 solo mira</translation>
    </message>
    <message>
        <source>%1 is now playing again</source>
        <translation>%1 vuelve a jugar</translation>
    </message>
    <message>
        <source>You now start the games.</source>
        <translation>Ahora empiezas tú las partidas.</translation>
    </message>
    <message>
        <source>%1 now starts the games.</source>
        <translation>Ahora %1 empieza las partidas.</translation>
    </message>
    <message>
        <source>Waiting for %1 to start the game.</source>
        <translation>Esperando a que %1 empiece la partida.</translation>
    </message>
    <message>
        <source>No Pulls</source>
        <translation>Sin tiradas</translation>
    </message>
    <message>
        <source>You must Pull first.</source>
        <translation>Primero tienes que tirar.</translation>
    </message>
    <message>
        <source>That number does not match.</source>
        <translation>Ese número no coincide.</translation>
    </message>
    <message>
        <source>Time: 0:00</source>
        <translation>Tiempo: 0:00</translation>
    </message>
</context>
<context>
    <name>kuvo::PlayWithOthers</name>
    <message>
        <source>Waiting</source>
        <translation>Esperando</translation>
    </message>
    <message>
        <source>Round %1 of %2</source>
        <translation>Ronda %1 de %2</translation>
    </message>
    <message>
        <source>Kuvo - Play with Others</source>
        <translation>Kuvo - Jugar con otros</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Dirección</translation>
    </message>
    <message>
        <source>Players</source>
        <translation>Jugadores</translation>
    </message>
    <message>
        <source>Watching</source>
        <translation>Espectadores</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Estado</translation>
    </message>
    <message>
        <source>Your &amp;name:</source>
        <translation>Tu &amp;nombre:</translation>
    </message>
    <message>
        <source>&amp;Address:</source>
        <translation>&amp;Dirección:</translation>
    </message>
    <message>
        <source>host name or address, :port if not %1</source>
        <translation>nombre del equipo o dirección, :puerto si no es %1</translation>
    </message>
    <message>
        <source>Looking for tables... None has answered yet; you can type a table&apos;s address instead.</source>
        <translation>Buscando mesas... Ninguna ha respondido todavía; también puedes escribir la dirección de una mesa.</translation>
    </message>
    <message>
        <source>&amp;Tables on your network:</source>
        <translation>&amp;Mesas en tu red:</translation>
    </message>
    <message>
        <source>&amp;Join</source>
        <translation>&amp;Unirse</translation>
    </message>
    <message>
        <source>&amp;Host a Table</source>
        <translation>&amp;Abrir una mesa</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
</context>
<context>
    <name>kuvo::PlayerSlotsPanel</name>
    <message>
        <source>Pulls</source>
        <translation>Tiradas</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>Current</source>
        <translation>Actual</translation>
    </message>
    <message>
        <source>&lt;Waiting&gt;</source>
        <translation>&lt;Libre&gt;</translation>
    </message>
    <message>
        <source>Slot %1: %2, total %3</source>
        <translation>Puesto %1: %2, total %3</translation>
    </message>
    <message>
        <source>, pulls %1</source>
        <translation>, tiradas %1</translation>
    </message>
    <message>
        <source>, current %1</source>
        <translation>, actual %1</translation>
    </message>
    <message>
        <source>just watching</source>
        <translation>solo mira</translation>
    </message>
    <message>
        <source>You are Connected.</source>
        <translation>Estás conectado.</translation>
    </message>
    <message>
        <source>%1 is Connected.</source>
        <translation>%1 está conectado.</translation>
    </message>
    <message>
        <source>You are spying.</source>
        <translation>Estás espiando.</translation>
    </message>
    <message>
        <source>%1 is spying.</source>
        <translation>%1 está espiando.</translation>
    </message>
    <message numerus="yes">
        <source>%1 takes over %2&apos;s seat (%n points).</source>
        <translation>
            <numerusform>%1 ocupa el puesto de %2 (%n punto).</numerusform>
            <numerusform>%1 ocupa el puesto de %2 (%n puntos).</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 has left.</source>
        <translation>%1 se ha ido.</translation>
    </message>
    <message>
        <source>%1 disconnected.</source>
        <translation>%1 ha perdido la conexión.</translation>
    </message>
    <message numerus="yes">
        <source>%1 lost the connection. The seat is kept for %n seconds.</source>
        <translation>
            <numerusform>%1 ha perdido la conexión. Su puesto se guarda %n segundo.</numerusform>
            <numerusform>%1 ha perdido la conexión. Su puesto se guarda %n segundos.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 is back in the seat.</source>
        <translation>%1 ha vuelto a su puesto.</translation>
    </message>
    <message>
        <source>%1 removed you from the table.</source>
        <translation>%1 te ha quitado de la mesa.</translation>
    </message>
    <message>
        <source>%1 removed %2.</source>
        <translation>%1 ha quitado a %2.</translation>
    </message>
    <message>
        <source>Remove %1 from the table?</source>
        <translation>¿Quitar a %1 de la mesa?</translation>
    </message>
    <message>
        <source>&amp;Remove From Game</source>
        <translation>&amp;Quitar de la partida</translation>
    </message>
    <message>
        <source>&amp;Set to Just Watch</source>
        <translation>Poner a &amp;solo mirar</translation>
    </message>
    <message>
        <source>&amp;Unset Just Watch</source>
        <translation>&amp;Volver a hacer jugar</translation>
    </message>
</context>
<context>
    <name>kuvo::Smileys</name>
    <message>
        <source>Smile</source>
        <translation>Sonrisa</translation>
    </message>
    <message>
        <source>Grin</source>
        <translation>Sonrisa amplia</translation>
    </message>
    <message>
        <source>Wink</source>
        <translation>Guiño</translation>
    </message>
    <message>
        <source>Frown</source>
        <translation>Ceño fruncido</translation>
    </message>
    <message>
        <source>Surprised</source>
        <translation>Sorprendido</translation>
    </message>
    <message>
        <source>Tongue out</source>
        <translation>Sacando la lengua</translation>
    </message>
    <message>
        <source>Cool grin</source>
        <translation>Sonrisa guay</translation>
    </message>
    <message>
        <source>Angry</source>
        <translation>Enfadado</translation>
    </message>
    <message>
        <source>Sleepy</source>
        <translation>Con sueño</translation>
    </message>
    <message>
        <source>In love</source>
        <translation>Enamorado</translation>
    </message>
    <message>
        <source>Confused</source>
        <translation>Confundido</translation>
    </message>
    <message>
        <source>Kiss</source>
        <translation>Beso</translation>
    </message>
    <message>
        <source>Sick</source>
        <translation>Enfermo</translation>
    </message>
    <message>
        <source>Feeling blue</source>
        <translation>Triste</translation>
    </message>
    <message>
        <source>Laughing</source>
        <translation>Riendo</translation>
    </message>
    <message>
        <source>Blowing a kiss</source>
        <translation>Lanzando un beso</translation>
    </message>
    <message>
        <source>Speechless</source>
        <translation>Sin palabras</translation>
    </message>
    <message>
        <source>Cool</source>
        <translation>Guay</translation>
    </message>
</context>
<context>
    <name>kuvo::SoundBoard</name>
    <message>
        <source>&lt;Cancel&gt;</source>
        <translation>&lt;Cancelar&gt;</translation>
    </message>
    <message>
        <source>Doh</source>
        <translation>Ups</translation>
    </message>
    <message>
        <source>Cough</source>
        <translation>Tos</translation>
    </message>
    <message>
        <source>Hello</source>
        <translation>Hola</translation>
    </message>
    <message>
        <source>Thank You</source>
        <translation>Gracias</translation>
    </message>
    <message>
        <source>Where have you been?</source>
        <translation>¿Dónde te habías metido?</translation>
    </message>
    <message>
        <source>Snoring</source>
        <translation>Ronquido</translation>
    </message>
    <message>
        <source>Sneezing</source>
        <translation>Estornudo</translation>
    </message>
    <message>
        <source>Sorry</source>
        <translation>Perdón</translation>
    </message>
    <message>
        <source>Welcome</source>
        <translation>Bienvenido</translation>
    </message>
    <message>
        <source>Yeehaa</source>
        <translation>Yeehaa</translation>
    </message>
    <message>
        <source>Yippee</source>
        <translation>Yupi</translation>
    </message>
    <message>
        <source>Oh No</source>
        <translation>Oh, no</translation>
    </message>
    <message>
        <source>Applause</source>
        <translation>Aplausos</translation>
    </message>
    <message>
        <source>Honk</source>
        <translation>Bocina</translation>
    </message>
    <message>
        <source>Oooh</source>
        <translation>Oooh</translation>
    </message>
    <message>
        <source>Razzberry</source>
        <translation>Pedorreta</translation>
    </message>
    <message>
        <source>Cheer</source>
        <translation>Ovación</translation>
    </message>
    <message>
        <source>Woman Laughing</source>
        <translation>Risa de mujer</translation>
    </message>
    <message>
        <source>Man Laughing</source>
        <translation>Risa de hombre</translation>
    </message>
    <message>
        <source>Crying</source>
        <translation>Llanto</translation>
    </message>
    <message>
        <source>%1: &lt;Chatter Sound&gt; %2</source>
        <translation>%1: &lt;Sonido de chat&gt; %2</translation>
    </message>
</context>
<context>
    <name>kuvo::Tabout</name>
    <message>
        <source>Kuvo - About</source>
        <translation>Kuvo - Acerca de</translation>
    </message>
    <message>
        <source>Version </source>
        <translation>Versión </translation>
    </message>
    <message>
        <source>Cannot open Webpage</source>
        <translation>No se puede abrir la página web</translation>
    </message>
    <message>
        <source>Kuvo logo</source>
        <translation>Logotipo de Kuvo</translation>
    </message>
    <message>
        <source>Opens the maker&apos;s web site</source>
        <translation>Abre el sitio web del fabricante</translation>
    </message>
    <message>
        <source>&amp;Done</source>
        <translation>&amp;Hecho</translation>
    </message>
    <message>
        <source>Free software under the GNU GPL, version 3 or later.</source>
        <translation>Software libre bajo la GNU GPL, versión 3 o posterior.</translation>
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
        <translation>%1 tiene una versión del juego distinta de la tuya.</translation>
    </message>
    <message>
        <source>You have a differnt version of the game then the host.</source>
        <translation>Tienes una versión del juego distinta de la del anfitrión.</translation>
    </message>
    <message>
        <source>Game is full</source>
        <translation>La partida está llena</translation>
    </message>
    <message>
        <source>%1 closed the table.</source>
        <translation>%1 ha cerrado la mesa.</translation>
    </message>
    <message>
        <source>The table was closed.</source>
        <translation>Se ha cerrado la mesa.</translation>
    </message>
    <message>
        <source>The connection to the table was closed.</source>
        <translation>Se ha cerrado la conexión con la mesa.</translation>
    </message>
    <message>
        <source>No computer called %1 was found, so the table at %2 could not be reached. Check the spelling of the address.</source>
        <translation>No se ha encontrado ningún equipo llamado %1, así que no se ha podido llegar a la mesa de %2. Comprueba cómo está escrita la dirección.</translation>
    </message>
    <message>
        <source>Could not reach the table at %1. Check the address, and that the table is running and lets players in through its firewall.</source>
        <translation>No se ha podido llegar a la mesa de %1. Comprueba la dirección, que la mesa esté abierta y que su cortafuegos deje entrar a los jugadores.</translation>
    </message>
    <message>
        <source>Play with &amp;Others…</source>
        <translation>Jugar con &amp;otros…</translation>
    </message>
    <message>
        <source>Stop &amp;Reconnecting</source>
        <translation>Dejar de &amp;reconectar</translation>
    </message>
    <message>
        <source>Loading Solo Game..Please wait.</source>
        <translation>Cargando partida en solitario.. Espera, por favor.</translation>
    </message>
    <message>
        <source>Loading Multi-player Game.. Please Wait.</source>
        <translation>Cargando partida multijugador.. Espera, por favor.</translation>
    </message>
    <message>
        <source>Listen - Error Binding Socket</source>
        <translation>Error: no se puede abrir el puerto de la mesa</translation>
    </message>
    <message>
        <source>No table could be opened: port %1 of this computer is in use, most likely by another table. Close that program, or join its table.</source>
        <translation>No se ha podido abrir ninguna mesa: el puerto %1 de este equipo está en uso, seguramente por otra mesa. Cierra ese programa o únete a su mesa.</translation>
    </message>
    <message>
        <source>The table sent more than this program can take. The connection to the table was closed.</source>
        <translation>La mesa ha enviado más de lo que este programa puede procesar. Se ha cerrado la conexión con la mesa.</translation>
    </message>
    <message>
        <source>Connection lost - reconnecting…</source>
        <translation>Conexión perdida - reconectando…</translation>
    </message>
    <message>
        <source>The connection to the table was lost. Trying to get back in…</source>
        <translation>Se ha perdido la conexión con la mesa. Intentando volver…</translation>
    </message>
    <message>
        <source>You are back in your seat; the game goes on.</source>
        <translation>Has vuelto a tu puesto; la partida continúa.</translation>
    </message>
    <message>
        <source>You are not connected</source>
        <translation>No estás conectado</translation>
    </message>
    <message>
        <source>A game is running. Start a new game? The running game ends for every player and its scores are lost.</source>
        <translation>Hay una partida en curso. ¿Empezar una nueva? La partida en curso termina para todos y se pierden sus puntos.</translation>
    </message>
    <message numerus="yes">
        <source>%n players are at your table. Closing it ends their game. Close it?</source>
        <translation>
            <numerusform>Hay %n jugador en tu mesa. Si la cierras, termina su partida. ¿Cerrarla?</numerusform>
            <numerusform>Hay %n jugadores en tu mesa. Si la cierras, termina su partida. ¿Cerrarla?</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;Start Game</source>
        <translation>&amp;Empezar partida</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opciones</translation>
    </message>
    <message>
        <source>&amp;Play Sounds</source>
        <translation>Reproducir &amp;sonidos</translation>
    </message>
    <message>
        <source>Play &amp;Chatter Sounds</source>
        <translation>Reproducir sonidos del &amp;chat</translation>
    </message>
    <message>
        <source>&amp;Turn Sound</source>
        <translation>Señal de &amp;inicio</translation>
    </message>
    <message>
        <source>&amp;Classic</source>
        <translation>&amp;Clásica</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nueva</translation>
    </message>
    <message>
        <source>Text Co&amp;lor</source>
        <translation>Co&amp;lor del texto</translation>
    </message>
    <message>
        <source>Text Si&amp;ze</source>
        <translation>&amp;Tamaño del texto</translation>
    </message>
    <message>
        <source>&amp;Scroll Chat Off</source>
        <translation>&amp;No desplazar el chat</translation>
    </message>
    <message>
        <source>Clear &amp;Main Chat</source>
        <translation>&amp;Borrar el chat</translation>
    </message>
    <message>
        <source>&amp;Reset Screen Location</source>
        <translation>Recolocar la &amp;ventana</translation>
    </message>
    <message>
        <source>&amp;Just Watch</source>
        <translation>Solo &amp;mirar</translation>
    </message>
    <message>
        <source>Spea&amp;k Chat Lines</source>
        <translation>Leer el chat en voz &amp;alta</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ver</translation>
    </message>
    <message>
        <source>View &amp;Tally</source>
        <translation>Ver &amp;balance</translation>
    </message>
    <message>
        <source>&amp;Spy List</source>
        <translation>Lista de &amp;espías</translation>
    </message>
    <message>
        <source>&amp;Phrase List</source>
        <translation>Lista de &amp;frases</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ay&amp;uda</translation>
    </message>
    <message>
        <source>&amp;Content</source>
        <translation>&amp;Contenido</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Acerca de Kuvo</translation>
    </message>
</context>
<context>
    <name>kuvo::Tdownload</name>
    <message>
        <source>Download The Orvel Lobby</source>
        <translation>Descargar Orvel Lobby</translation>
    </message>
    <message>
        <source>IS CLOSED</source>
        <translation>CERRADO</translation>
    </message>
    <message>
        <source>Download The Orvel Lobby Now to play this  and other exciting games online with other players! </source>
        <translation>¡Descarga ya Orvel Lobby para jugar en línea a este y otros juegos emocionantes con otros jugadores!</translation>
    </message>
    <message>
        <source>To proceed to the game without the ability to play against others click the button below.</source>
        <translation>Para ir al juego sin poder jugar contra otros, pulsa el botón de abajo.</translation>
    </message>
    <message>
        <source>Note: Even if you are playing offline, you will need to configure your FIREWALL to allow the game to access the internet components.</source>
        <translation>Nota: aunque juegues sin conexión, tendrás que configurar tu CORTAFUEGOS para que el juego pueda acceder a los componentes de Internet.</translation>
    </message>
    <message>
        <source>To play with others, click the button below: it lists the tables on your network, where you can join one or host your own. If The Orvel Lobby is installed, it closes this game and opens The Orvel Lobby instead.</source>
        <translation>Para jugar con otros, pulsa el botón de abajo: muestra las mesas de tu red, donde puedes unirte a una o abrir la tuya. Si Orvel Lobby está instalado, en su lugar cierra este juego y abre Orvel Lobby.</translation>
    </message>
    <message>
        <source>Download Aborted</source>
        <translation>Descarga interrumpida</translation>
    </message>
    <message>
        <source>An Error has Occurred.</source>
        <translation>Se ha producido un error.</translation>
    </message>
    <message>
        <source>Loading</source>
        <translation>Cargando</translation>
    </message>
    <message numerus="yes">
        <source>Received %n bytes</source>
        <translation>
            <numerusform>%n byte recibido</numerusform>
            <numerusform>%n bytes recibidos</numerusform>
        </translation>
    </message>
    <message>
        <source>Saved: %1</source>
        <translation>Guardado: %1</translation>
    </message>
    <message>
        <source>Installing</source>
        <translation>Instalando</translation>
    </message>
    <message>
        <source>Download has been aborted.</source>
        <translation>Se ha interrumpido la descarga.</translation>
    </message>
    <message>
        <source>Downloading: %1</source>
        <translation>Descargando: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n bytes</source>
        <translation>
            <numerusform>%n byte</numerusform>
            <numerusform>%n bytes</numerusform>
        </translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Descarga</translation>
    </message>
    <message>
        <source>The Orvel Lobby banner</source>
        <translation>Banner de Orvel Lobby</translation>
    </message>
    <message>
        <source>&amp;Download And Install The Orvel Lobby Now</source>
        <translation>&amp;Descargar e instalar Orvel Lobby</translation>
    </message>
    <message>
        <source>&amp;Stop Download</source>
        <translation>De&amp;tener</translation>
    </message>
    <message>
        <source>Solo game</source>
        <translation>Partida en solitario</translation>
    </message>
    <message>
        <source>&amp;Play Solo Game</source>
        <translation>&amp;Jugar en solitario</translation>
    </message>
    <message>
        <source>Playing with others</source>
        <translation>Jugar con otros</translation>
    </message>
    <message>
        <source>Play with &amp;Others</source>
        <translation>Jugar con &amp;otros</translation>
    </message>
</context>
<context>
    <name>kuvo::Tgamestart</name>
    <message>
        <source>Kuvo - Game Start</source>
        <translation>Kuvo - Inicio de partida</translation>
    </message>
    <message>
        <source>Game Options</source>
        <translation>Opciones de partida</translation>
    </message>
    <message>
        <source>secs</source>
        <translation>s</translation>
    </message>
    <message>
        <source>Start Game</source>
        <translation>Empezar partida</translation>
    </message>
    <message>
        <source>&amp;Rounds Per Game: </source>
        <translation>&amp;Rondas por partida: </translation>
    </message>
    <message>
        <source>&amp;Time Per Round:</source>
        <translation>&amp;Tiempo por ronda:</translation>
    </message>
    <message>
        <source>seconds; 0 means no time limit</source>
        <translation>segundos; 0 significa sin límite de tiempo</translation>
    </message>
</context>
<context>
    <name>kuvo::Thelp</name>
    <message>
        <source>Kuvo - Help File</source>
        <translation>Kuvo - Ayuda</translation>
    </message>
    <message>
        <source>Copyright ©</source>
        <translation>Copyright ©</translation>
    </message>
    <message>
        <source>en</source>
        <comment>folder of the help pages in this language: de, fr, pt_BR</comment>
        <translation>es</translation>
    </message>
    <message>
        <source>&amp;Overview</source>
        <translation>&amp;Introducción</translation>
    </message>
    <message>
        <source>&amp;Connecting</source>
        <translation>&amp;Conectarse</translation>
    </message>
    <message>
        <source>&amp;Game Play</source>
        <translation>Cómo se &amp;juega</translation>
    </message>
    <message>
        <source>&amp;Scoring</source>
        <translation>&amp;Puntos</translation>
    </message>
    <message>
        <source>Doc&amp;umentation</source>
        <translation>&amp;Documentación</translation>
    </message>
    <message>
        <source>&amp;License</source>
        <translation>&amp;Licencia</translation>
    </message>
    <message>
        <source>&amp;The Lobby</source>
        <translation>El L&amp;obby</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Acerca de</translation>
    </message>
    <message>
        <source>&amp;Done</source>
        <translation>&amp;Hecho</translation>
    </message>
    <message>
        <source>Free software under the GNU GPL, version 3 or later.</source>
        <translation>Software libre bajo la GNU GPL, versión 3 o posterior.</translation>
    </message>
</context>
<context>
    <name>kuvo::Tphrases</name>
    <message>
        <source>Kuvo - Phrase Buttons </source>
        <translation>Kuvo - Botones de frases </translation>
    </message>
    <message>
        <source>Phrase Button %1:</source>
        <translation>Botón de frase %1:</translation>
    </message>
    <message>
        <source>Buttons can only be used once every 2 seconds</source>
        <translation>Cada botón se puede usar una vez cada 2 segundos</translation>
    </message>
    <message>
        <source>&amp;Done</source>
        <translation>&amp;Hecho</translation>
    </message>
</context>
<context>
    <name>kuvo::Tspylist</name>
    <message>
        <source>Kuvo - Spys</source>
        <translation>Kuvo - Espías</translation>
    </message>
    <message>
        <source>Spy List</source>
        <translation>Lista de espías</translation>
    </message>
    <message>
        <source>Remove From Game</source>
        <translation>Quitar de la partida</translation>
    </message>
    <message>
        <source>&amp;Done</source>
        <translation>&amp;Hecho</translation>
    </message>
</context>
<context>
    <name>kuvo::Ttallylist</name>
    <message>
        <source>Your tally file could not be read (%1) and could not be moved aside. It is left as it is, and this run&apos;s tally will not be saved.</source>
        <translation>No se ha podido leer tu archivo de balance (%1) ni apartarlo. Se deja como está, y el balance de esta sesión no se guardará.</translation>
    </message>
    <message>
        <source>Your tally file could not be read (%1). It is kept unchanged as %2, and a new tally has been started.</source>
        <translation>No se ha podido leer tu archivo de balance (%1). Se conserva sin cambios como %2, y se ha empezado un balance nuevo.</translation>
    </message>
    <message>
        <source>Kuvo - Tally List</source>
        <translation>Kuvo - Balance</translation>
    </message>
    <message>
        <source>Your Total Tally</source>
        <translation>Tu balance total</translation>
    </message>
    <message>
        <source>Total Games:</source>
        <translation>Partidas:</translation>
    </message>
    <message>
        <source>Your Wins:</source>
        <translation>Tus victorias:</translation>
    </message>
    <message>
        <source>Highest Round Score:</source>
        <translation>Mejor ronda:</translation>
    </message>
    <message>
        <source>Black Outs:</source>
        <translation>Tableros llenos:</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>Session</source>
        <translation>Sesión</translation>
    </message>
    <message>
        <source>Number of Games</source>
        <translation>Partidas</translation>
    </message>
    <message>
        <source>XX Wins:</source>
        <translation>Victorias de XX:</translation>
    </message>
    <message>
        <source>Neither Won:</source>
        <translation>Ninguno ganó:</translation>
    </message>
    <message>
        <source>Players In Current Game</source>
        <translation>Jugadores de la partida</translation>
    </message>
    <message>
        <source>Players Being Tallied</source>
        <translation>Jugadores seguidos</translation>
    </message>
    <message>
        <source>This will delete %1&apos;s Tally, Are you want to delete it?</source>
        <translation>Esto borrará el balance contra %1. ¿Seguro que quieres borrarlo?</translation>
    </message>
    <message>
        <source>%1 Wins:</source>
        <translation>Victorias de %1:</translation>
    </message>
    <message>
        <source>%1&apos;s Tally</source>
        <translation>Balance contra %1</translation>
    </message>
    <message>
        <source>Are you sure you want to reset the Tally?</source>
        <translation>¿Seguro que quieres reiniciar el balance?</translation>
    </message>
    <message>
        <source>Head to head</source>
        <translation>Cara a cara</translation>
    </message>
    <message>
        <source>&amp;Reset Tally</source>
        <translation>&amp;Reiniciar</translation>
    </message>
    <message>
        <source>&amp;Done</source>
        <translation>&amp;Hecho</translation>
    </message>
</context>
<context>
    <name>kuvo::windowart</name>
    <message>
        <source>START GAME</source>
        <translation>¡A JUGAR!</translation>
    </message>
    <message>
        <source>a dice game by Orvel</source>
        <translation>un juego de dados de Orvel</translation>
    </message>
</context>
</TS>
