<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>AppConstants</name>
    <message>
        <source>for %1</source>
        <extracomment>Names the system the program runs on, as in &quot;for Linux&quot;.</extracomment>
        <translation>pour %1</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>Copyright (C) 2026 The Zingaroo developers</source>
        <translation>Copyright (C) 2026 Les développeurs de Zingaroo</translation>
    </message>
</context>
<context>
    <name>AppGame</name>
    <message>
        <source>State: %1</source>
        <translation>État : %1</translation>
    </message>
    <message>
        <source>Playing</source>
        <translation>En jeu</translation>
    </message>
    <message>
        <source>Not Playing</source>
        <translation>Hors jeu</translation>
    </message>
    <message>
        <source>Score: %1 pt.  %2 ph.</source>
        <translation>Score : %1 pt  phase %2</translation>
    </message>
    <message>
        <source>Record: %1 pt.  %2 ph.</source>
        <translation>Record : %1 pt  phase %2</translation>
    </message>
</context>
<context>
    <name>AppPlayPresets</name>
    <message>
        <source>(None)</source>
        <translation>(Aucun)</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Par défaut</translation>
    </message>
    <message>
        <source>Original</source>
        <translation>Original</translation>
    </message>
    <message>
        <source>Practice</source>
        <translation>Entraînement</translation>
    </message>
    <message>
        <source>Puzzling</source>
        <translation>Casse-tête</translation>
    </message>
    <message>
        <source>Steps</source>
        <translation>Pas à pas</translation>
    </message>
</context>
<context>
    <name>AppRenderer</name>
    <message>
        <source>G a m e  O v e r !</source>
        <extracomment>Spaced out letter by letter, with two spaces between the words.</extracomment>
        <translation>F i n  d e  p a r t i e !</translation>
    </message>
</context>
<context>
    <name>TAboutDialog</name>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>TForm1</name>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Jeu</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nouvelle partie</translation>
    </message>
    <message>
        <source>&amp;Status</source>
        <translation>É&amp;tat</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;Tips</source>
        <translation>&amp;Conseils</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>À &amp;propos</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>État</translation>
    </message>
    <message>
        <source>Opening HTML help file.</source>
        <translation>Ouverture du fichier d&apos;aide HTML.</translation>
    </message>
    <message>
        <source>Sure?</source>
        <translation>Continuer ?</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>[Control]</source>
        <translation>[Commandes]</translation>
    </message>
    <message>
        <source>Mouse: Point the field.</source>
        <translation>Souris : pointer une case.</translation>
    </message>
    <message>
        <source>Keyboard: Put a paddle. Move an obstacle.</source>
        <translation>Clavier : poser une raquette, pousser un obstacle.</translation>
    </message>
    <message>
        <source>[Key Sets]</source>
        <translation>[Jeux de touches]</translation>
    </message>
    <message>
        <source>Set 1: W, R, S, F</source>
        <extracomment>The letters name keys and stay as they are.</extracomment>
        <translation>Série 1 : W, R, S, F</translation>
    </message>
    <message>
        <source>Set 2: U, O, J, L</source>
        <extracomment>The letters name keys and stay as they are.</extracomment>
        <translation>Série 2 : U, O, J, L</translation>
    </message>
    <message>
        <source>Set 3: Left, Right</source>
        <extracomment>The arrow keys.</extracomment>
        <translation>Série 3 : Gauche, Droite</translation>
    </message>
    <message>
        <source>[Score]</source>
        <translation>[Score]</translation>
    </message>
    <message>
        <source>Point: 1 point for 1 bounce.</source>
        <translation>Point : 1 point par rebond.</translation>
    </message>
    <message>
        <source>Phase: 1 phase for all paddles in the field.</source>
        <translation>Phase : 1 phase pour toutes les raquettes du terrain.</translation>
    </message>
    <message>
        <source>Tips</source>
        <translation>Conseils</translation>
    </message>
    <message>
        <source>Clearing the record.</source>
        <translation>Effacement du record.</translation>
    </message>
    <message>
        <source>Confirmation</source>
        <translation>Confirmation</translation>
    </message>
</context>
<context>
    <name>TOptionsDialog</name>
    <message>
        <source>Options</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Jeu</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Affichage</translation>
    </message>
    <message>
        <source>System</source>
        <translation>Système</translation>
    </message>
    <message>
        <source>&amp;Width (%1-%2):</source>
        <translation>&amp;Largeur (%1-%2) :</translation>
    </message>
    <message>
        <source>&amp;Height (%1-%2):</source>
        <translation>&amp;Hauteur (%1-%2) :</translation>
    </message>
    <message>
        <source>Paddle-&amp;First (%1-%2):</source>
        <translation>Raquettes au &amp;début (%1-%2) :</translation>
    </message>
    <message>
        <source>Paddle-&amp;Plus (%1-%2):</source>
        <translation>Raquettes en &amp;plus (%1-%2) :</translation>
    </message>
    <message>
        <source>Paddle-&amp;Max (%1-%2):</source>
        <translation>Raquettes au &amp;maximum (%1-%2) :</translation>
    </message>
    <message>
        <source>Sp&amp;eed (%1-%2 ms.):</source>
        <translation>&amp;Vitesse (%1-%2 ms) :</translation>
    </message>
    <message>
        <source>&amp;Use Sweeper</source>
        <translation>&amp;Utiliser le balai</translation>
    </message>
    <message>
        <source>&amp;Arrange:</source>
        <translation>&amp;Configuration :</translation>
    </message>
    <message>
        <source>Character</source>
        <translation>Cases</translation>
    </message>
    <message>
        <source>Running Time</source>
        <translation>En cours de partie</translation>
    </message>
    <message>
        <source>&amp;Play Sound</source>
        <translation>&amp;Jouer les sons</translation>
    </message>
    <message>
        <source>&amp;Clear Record Now</source>
        <translation>&amp;Effacer le record maintenant</translation>
    </message>
    <message>
        <source>&amp;Stay on Top</source>
        <translation>Toujours au &amp;premier plan</translation>
    </message>
    <message>
        <source>Starting Time</source>
        <translation>Au démarrage</translation>
    </message>
    <message>
        <source>&amp;Restore Record</source>
        <translation>&amp;Restaurer le record</translation>
    </message>
    <message>
        <source>R&amp;estore Window Position</source>
        <translation>Restaurer la position de la &amp;fenêtre</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Par défaut</translation>
    </message>
    <message>
        <source>All Def.</source>
        <translation>Tout par défaut</translation>
    </message>
</context>
</TS>
