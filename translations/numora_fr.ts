<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>Accessibility</name>
    <message>
        <source>top row, left column</source>
        <translation>ligne du haut, colonne de gauche</translation>
    </message>
    <message>
        <source>top row, middle column</source>
        <translation>ligne du haut, colonne du milieu</translation>
    </message>
    <message>
        <source>top row, right column</source>
        <translation>ligne du haut, colonne de droite</translation>
    </message>
    <message>
        <source>middle row, left column</source>
        <translation>ligne du milieu, colonne de gauche</translation>
    </message>
    <message>
        <source>middle row, middle column</source>
        <translation>ligne du milieu, colonne du milieu</translation>
    </message>
    <message>
        <source>middle row, right column</source>
        <translation>ligne du milieu, colonne de droite</translation>
    </message>
    <message>
        <source>bottom row, left column</source>
        <translation>ligne du bas, colonne de gauche</translation>
    </message>
    <message>
        <source>bottom row, middle column</source>
        <translation>ligne du bas, colonne du milieu</translation>
    </message>
    <message>
        <source>bottom row, right column</source>
        <translation>ligne du bas, colonne de droite</translation>
    </message>
    <message>
        <source>sum of the top row</source>
        <translation>somme de la ligne du haut</translation>
    </message>
    <message>
        <source>sum of the middle row</source>
        <translation>somme de la ligne du milieu</translation>
    </message>
    <message>
        <source>sum of the bottom row</source>
        <translation>somme de la ligne du bas</translation>
    </message>
    <message>
        <source>sum of the right column</source>
        <translation>somme de la colonne de droite</translation>
    </message>
    <message>
        <source>sum of the middle column</source>
        <translation>somme de la colonne du milieu</translation>
    </message>
    <message>
        <source>sum of the left column</source>
        <translation>somme de la colonne de gauche</translation>
    </message>
    <message>
        <source>status</source>
        <translation>message</translation>
    </message>
    <message>
        <source>factor, top left</source>
        <translation>facteur, en haut à gauche</translation>
    </message>
    <message>
        <source>factor, top right</source>
        <translation>facteur, en haut à droite</translation>
    </message>
    <message>
        <source>factor, bottom left</source>
        <translation>facteur, en bas à gauche</translation>
    </message>
    <message>
        <source>factor, bottom right</source>
        <translation>facteur, en bas à droite</translation>
    </message>
    <message>
        <source>product of the top row</source>
        <translation>produit de la ligne du haut</translation>
    </message>
    <message>
        <source>product of the bottom row</source>
        <translation>produit de la ligne du bas</translation>
    </message>
    <message>
        <source>product of the right column</source>
        <translation>produit de la colonne de droite</translation>
    </message>
    <message>
        <source>product of the left column</source>
        <translation>produit de la colonne de gauche</translation>
    </message>
    <message>
        <source>your answer</source>
        <translation>ta réponse</translation>
    </message>
    <message>
        <source>clears your answer</source>
        <translation>efface ta réponse</translation>
    </message>
    <message>
        <source>number pad</source>
        <translation>pavé numérique</translation>
    </message>
    <message>
        <source>level</source>
        <translation>niveau</translation>
    </message>
    <message>
        <source>not found yet</source>
        <translation>pas encore trouvé</translation>
    </message>
    <message>
        <source>hidden</source>
        <translation>caché</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>vide</translation>
    </message>
    <message>
        <source>Row product %1, column product %2.</source>
        <translation>Produit de la ligne %1, produit de la colonne %2.</translation>
    </message>
    <message>
        <source>Row sum: %1, column sum: %2.</source>
        <translation>Somme de la ligne&#xa0;: %1, somme de la colonne&#xa0;: %2.</translation>
    </message>
</context>
<context>
    <name>Game</name>
    <message>
        <source>Click to select number.</source>
        <extracomment>The status line as the window opens, before any game: the player may pick a number on the number pad. In play the same line reads &quot;Click number to select.&quot;.</extracomment>
        <translation>Choisis un nombre.</translation>
    </message>
    <message>
        <source>Click number to select.</source>
        <extracomment>The status line in play, while picks still count: click a number of the number pad. Before any game the same line reads &quot;Click to select number.&quot;.</extracomment>
        <translation>Clique sur un nombre.</translation>
    </message>
    <message>
        <source>You have exceeded maximum number of attempts. Wait will refresh in %1 Sec.</source>
        <extracomment>After too many picks on one puzzle: &quot;refresh&quot; means that the next puzzle comes (use the word of &quot;New puzzle.&quot;); %1 is the seconds left, &quot;Sec.&quot; abbreviates seconds.</extracomment>
        <translation>Trop d’essais. Attends, nouvelle grille dans %1&#xa0;s.</translation>
    </message>
    <message>
        <source>Refreshing in %1 Sec.</source>
        <extracomment>The multiplication window&apos;s status line: seconds until the next puzzle replaces this one (use the word of &quot;New puzzle.&quot;); &quot;Sec.&quot; abbreviates seconds.</extracomment>
        <translation>Nouvelle grille dans %1&#xa0;s.</translation>
    </message>
    <message>
        <source>KORVELLAN - Refreshing in - %1</source>
        <extracomment>The window title in play: seconds until the next puzzle replaces this one (use the word of &quot;New puzzle.&quot;). %1 can reach 0, and below while the window is minimised.</extracomment>
        <translation>KORVELLAN - Nouvelle grille dans - %1</translation>
    </message>
    <message>
        <source>Level - %1(%2 Sec.)</source>
        <translation>Niveau %1 (%2&#xa0;s)</translation>
    </message>
    <message>
        <source>Product of the top row.</source>
        <translation>Produit de la ligne du haut.</translation>
    </message>
    <message>
        <source>Product of the bottom row.</source>
        <translation>Produit de la ligne du bas.</translation>
    </message>
    <message>
        <source>Product of the right column.</source>
        <translation>Produit de la colonne de droite.</translation>
    </message>
    <message>
        <source>Product of the left column.</source>
        <translation>Produit de la colonne de gauche.</translation>
    </message>
    <message>
        <source>New puzzle.</source>
        <translation>Nouvelle grille.</translation>
    </message>
    <message>
        <source>Solved!</source>
        <translation>Réussi&#xa0;!</translation>
    </message>
    <message>
        <source>All four found!</source>
        <translation>Tu as trouvé les quatre&#xa0;!</translation>
    </message>
    <message>
        <source>Stopped.</source>
        <translation>Arrêté.</translation>
    </message>
    <message>
        <source>%1 is right!</source>
        <translation>%1, c’est juste&#xa0;!</translation>
    </message>
    <message numerus="yes">
        <source>You have exceeded maximum number of attempts. Wait will refresh in %n second(s).</source>
        <extracomment>Spoken by a screen reader for the status line&apos;s &quot;Wait will refresh in 7 Sec.&quot;</extracomment>
        <translation>
            <numerusform>Trop d’essais. Attends, nouvelle grille dans %n seconde.</numerusform>
            <numerusform>Trop d’essais. Attends, nouvelle grille dans %n secondes.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Refreshing in %n second(s).</source>
        <extracomment>Spoken by a screen reader for the status line&apos;s &quot;Refreshing in 7 Sec.&quot;</extracomment>
        <translation>
            <numerusform>Nouvelle grille dans %n seconde.</numerusform>
            <numerusform>Nouvelle grille dans %n secondes.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>KORVELLAN: Refreshing in %n second(s).</source>
        <extracomment>Spoken by a screen reader for the title &quot;KORVELLAN - Refreshing in - 7&quot;.</extracomment>
        <translation>
            <numerusform>KORVELLAN&#xa0;: nouvelle grille dans %n seconde.</numerusform>
            <numerusform>KORVELLAN&#xa0;: nouvelle grille dans %n secondes.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Level %1, %n second(s)</source>
        <extracomment>Spoken by a screen reader for the level list&apos;s entry &quot;Level - 1(11 Sec.)&quot;.</extracomment>
        <translation>
            <numerusform>Niveau %1, %n seconde</numerusform>
            <numerusform>Niveau %1, %n secondes</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Layout</name>
    <message>
        <source>II</source>
        <comment>the pause button</comment>
        <extracomment>Two capital I&apos;s drawn as a pause sign on a small button (its tool tip says &quot;Pause&quot;); keep them unless your script draws the pause sign otherwise.</extracomment>
        <translation>II</translation>
    </message>
    <message>
        <source>II</source>
        <comment>an upright equals sign at a column&apos;s foot</comment>
        <extracomment>Two capital I&apos;s standing for an equals sign turned upright, between a column and its sum below it; keep them.</extracomment>
        <translation>II</translation>
    </message>
    <message>
        <source>&amp;Start Numora</source>
        <translation>&amp;Lancer Numora</translation>
    </message>
    <message>
        <source>Start New game</source>
        <translation>Commencer une nouvelle partie</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arrêt</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>&amp;Exit </source>
        <translation>Sor&amp;tir </translation>
    </message>
    <message>
        <source> Exit game</source>
        <translation>Quitter le jeu</translation>
    </message>
    <message>
        <source>Find the missing numbers.</source>
        <translation>Trouve les nombres cachés.</translation>
    </message>
    <message>
        <source>Click to select number.</source>
        <translation>Choisis un nombre.</translation>
    </message>
    <message>
        <source>I would like to pay.</source>
        <translation>Je voudrais payer.</translation>
    </message>
    <message>
        <source>Find the multiplication numbers.</source>
        <translation>Calcule les multiplications.</translation>
    </message>
    <message>
        <source>Cls.</source>
        <extracomment>The multiplication pad&apos;s clear key, about 40 pixels wide: it clears the answer typed so far (not &quot;close&quot;). A word where it fits, else an abbreviation.</extracomment>
        <translation>Effacer</translation>
    </message>
    <message>
        <source>Numora - 1</source>
        <translation>Numora - 1</translation>
    </message>
    <message>
        <source>algebra - 1</source>
        <translation>algèbre - 1</translation>
    </message>
</context>
<context>
    <name>Message</name>
    <message>
        <source>Active Internet connection required.</source>
        <translation>Il faut une connexion à Internet.</translation>
    </message>
    <message>
        <source>KORVELLAN : Internet Required.</source>
        <translation>KORVELLAN&#xa0;: Internet nécessaire.</translation>
    </message>
    <message>
        <source>Installed files missing run setup again. Contact KORVELLAN</source>
        <translation>Il manque des fichiers du jeu. Réinstalle-le ou contacte KORVELLAN.</translation>
    </message>
    <message>
        <source>Active Internet connection is required.</source>
        <translation>Une connexion à Internet est nécessaire.</translation>
    </message>
    <message>
        <source>KORVELLAN : Internet connection required.</source>
        <translation>KORVELLAN&#xa0;: Connexion à Internet nécessaire.</translation>
    </message>
    <message>
        <source>updates available. Send email for the link to download Updates</source>
        <translation>Une mise à jour est disponible. Envoie un e-mail pour recevoir le lien de téléchargement.</translation>
    </message>
    <message>
        <source>No updates available.</source>
        <translation>Pas de mise à jour.</translation>
    </message>
    <message>
        <source>KORVELLAN : Update</source>
        <translation>KORVELLAN&#xa0;: Mise à jour</translation>
    </message>
    <message>
        <source>Server down check later.</source>
        <translation>Le serveur ne répond pas. Réessaie plus tard.</translation>
    </message>
    <message>
        <source>The web page could not be opened.</source>
        <translation>La page web n’a pas pu s’ouvrir.</translation>
    </message>
</context>
<context>
    <name>numora::GameWindow</name>
    <message>
        <source>File</source>
        <translation>Fichier</translation>
    </message>
</context>
<context>
    <name>numora::MainForm</name>
    <message>
        <source>Multiplication Game -1</source>
        <translation>Jeu de multiplication 1</translation>
    </message>
    <message>
        <source>Check for updates...</source>
        <translation>Chercher des mises à jour...</translation>
    </message>
    <message>
        <source>Download Glimmerquiz Game</source>
        <translation>Télécharger le jeu Glimmerquiz</translation>
    </message>
    <message>
        <source>Multiplication Game 1</source>
        <extracomment>What a screen reader says for the menu item &quot;Multiplication Game -1&quot;, which it would read as &quot;minus one&quot;.</extracomment>
        <translation>Jeu de multiplication 1</translation>
    </message>
</context>
<context>
    <name>numora::MultForm</name>
    <message>
        <source>KORVELLAN : Multiplication Game</source>
        <translation>KORVELLAN&#xa0;: Jeu de multiplication</translation>
    </message>
    <message>
        <source>Addition and Subtraction game</source>
        <translation>Jeu d’additions et de soustractions</translation>
    </message>
</context>
<context>
    <name>numora::TopicForm</name>
    <message>
        <source>KORVELLAN : Select your topic</source>
        <translation>KORVELLAN&#xa0;: Choisis ton thème</translation>
    </message>
</context>
</TS>
