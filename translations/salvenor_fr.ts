<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>salvenor</name>
    <message>
        <source>Muharram</source>
        <translation>Mouharram</translation>
    </message>
    <message>
        <source>Safar</source>
        <translation>Safar</translation>
    </message>
    <message>
        <source>Raby` al-awal</source>
        <translation>Rabia al-awal</translation>
    </message>
    <message>
        <source>Raby` al-Thaany</source>
        <translation>Rabia al-thani</translation>
    </message>
    <message>
        <source>Jumaada al-awal</source>
        <translation>Joumada al-oula</translation>
    </message>
    <message>
        <source>Jumaada al-Thaany</source>
        <translation>Joumada al-thania</translation>
    </message>
    <message>
        <source>Rajab</source>
        <translation>Rajab</translation>
    </message>
    <message>
        <source>Sha`baan</source>
        <translation>Chaabane</translation>
    </message>
    <message>
        <source>Ramadan</source>
        <translation>Ramadan</translation>
    </message>
    <message>
        <source>Shawwal</source>
        <translation>Chawwal</translation>
    </message>
    <message>
        <source>Thw al-Qi`dah</source>
        <translation>Dhou al-qi`da</translation>
    </message>
    <message>
        <source>Thw al-Hijjah</source>
        <translation>Dhou al-hijja</translation>
    </message>
    <message>
        <source>January</source>
        <translation>janvier</translation>
    </message>
    <message>
        <source>February</source>
        <translation>février</translation>
    </message>
    <message>
        <source>March</source>
        <translation>mars</translation>
    </message>
    <message>
        <source>April</source>
        <translation>avril</translation>
    </message>
    <message>
        <source>May</source>
        <translation>mai</translation>
    </message>
    <message>
        <source>June</source>
        <translation>juin</translation>
    </message>
    <message>
        <source>July</source>
        <translation>juillet</translation>
    </message>
    <message>
        <source>August</source>
        <translation>août</translation>
    </message>
    <message>
        <source>September</source>
        <translation>septembre</translation>
    </message>
    <message>
        <source>October</source>
        <translation>octobre</translation>
    </message>
    <message>
        <source>November</source>
        <translation>novembre</translation>
    </message>
    <message>
        <source>December</source>
        <translation>décembre</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>dimanche</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>lundi</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>mardi</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>mercredi</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>jeudi</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>vendredi</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>samedi</translation>
    </message>
    <message>
        <source>PM</source>
        <translation>PM</translation>
    </message>
    <message>
        <source>pm</source>
        <translation>pm</translation>
    </message>
    <message>
        <source>AM</source>
        <translation>AM</translation>
    </message>
    <message>
        <source>am</source>
        <translation>am</translation>
    </message>
    <message>
        <source>Fajr</source>
        <translation>Fajr</translation>
    </message>
    <message>
        <source>Shrook</source>
        <translation>Lever du soleil</translation>
    </message>
    <message>
        <source>Thuhr</source>
        <translation>Dhuhr</translation>
    </message>
    <message>
        <source>Asr</source>
        <translation>Asr</translation>
    </message>
    <message>
        <source>Maghrib</source>
        <translation>Maghrib</translation>
    </message>
    <message>
        <source>Isha</source>
        <translation>Icha</translation>
    </message>
    <message>
        <source>Egyptian General Organisation of Surveying</source>
        <translation>Organisme général égyptien d&apos;arpentage</translation>
    </message>
    <message>
        <source>Um Ul-Qura, Makkah</source>
        <translation>Umm al-Qura, La Mecque</translation>
    </message>
    <message>
        <source>Islamic Society of North America (ISNA)</source>
        <translation>Islamic Society of North America (ISNA)</translation>
    </message>
    <message>
        <source>World Islamic League</source>
        <translation>Ligue islamique mondiale</translation>
    </message>
    <message>
        <source>
   ERROR READING READING DISK.

ZAV installation might have been corrupted, try last operation again!
If the problem still exists, you might need to re-install ZAV again</source>
        <translation>
   ERREUR DE LECTURE DU DISQUE.

L&apos;installation de ZAV est peut-être endommagée, réessayez la dernière opération !
Si le problème persiste, il faudra peut-être réinstaller ZAV</translation>
    </message>
    <message>
        <source>Error Reading initialization file...
Program needs re-installation!!! </source>
        <translation>Erreur de lecture du fichier de configuration...
Le programme doit être réinstallé !!! </translation>
    </message>
    <message>
        <source>Error Reading initialization file...
Program needs re-installation!!!</source>
        <translation>Erreur de lecture du fichier de configuration...
Le programme doit être réinstallé !!!</translation>
    </message>
    <message>
        <source>
   ERROR SAVING LATEST CONFIGURATION TO THE DISK.

The disk could be full.Try setting the same configuration again.
If the problem still exists, you might want to restart ZAV or restart windows!
</source>
        <translation>
   ERREUR D&apos;ENREGISTREMENT DE LA DERNIÈRE CONFIGURATION SUR LE DISQUE.

Le disque est peut-être plein. Refaites les mêmes réglages.
Si le problème persiste, redémarrez ZAV ou l&apos;ordinateur !
</translation>
    </message>
    <message>
        <source>The configuration file zav.cfg was damaged. It has been kept as
%s
and setup now makes a new one.</source>
        <translation>Le fichier de configuration zav.cfg était endommagé. Il a été conservé sous
%s
et l&apos;installation en crée maintenant un nouveau.</translation>
    </message>
    <message>
        <source>The configuration file zav.cfg is damaged and could not be set aside, so setup has changed nothing. Move the file away and start Salvenor again.</source>
        <translation>Le fichier de configuration zav.cfg est endommagé et n&apos;a pas pu être mis de côté : l&apos;installation n&apos;a donc rien changé. Déplacez le fichier puis relancez Salvenor.</translation>
    </message>
    <message>
        <source>The configuration file zav.cfg is damaged: its %s cannot be right.
Salvenor uses the value of a new installation in its place for now; choose &amp;Setup... from the bar&apos;s menu to set it again.</source>
        <translation>Le fichier de configuration zav.cfg est endommagé : sa valeur %s ne peut pas être juste.
Salvenor utilise pour l&apos;instant celle d&apos;une nouvelle installation ; choisissez &amp;Configuration... dans le menu de la barre pour la régler à nouveau.</translation>
    </message>
    <message>
        <source>  -- ERROR  --
Your application path is too long   
please re-install the application and select a shorter path
for your installation diretory!!</source>
        <translation>  -- ERREUR --
Le chemin de l&apos;application est trop long   
veuillez réinstaller l&apos;application et choisir un chemin plus court
pour le dossier d&apos;installation !!</translation>
    </message>
    <message>
        <source>Next: %s at: %d:%02d %s</source>
        <translation>Prochaine : %s à : %d:%02d %s</translation>
    </message>
    <message>
        <source>&amp;About ZAV...</source>
        <translation>À &amp;propos de ZAV...</translation>
    </message>
    <message>
        <source>&amp;Setup...</source>
        <translation>&amp;Configuration...</translation>
    </message>
    <message>
        <source>&amp;Options...</source>
        <translation>&amp;Options...</translation>
    </message>
    <message>
        <source>&amp;Month Calendar...</source>
        <translation>Calendrier du &amp;mois...</translation>
    </message>
    <message>
        <source>&amp;Year Calendars...</source>
        <translation>Calendriers de l&apos;&amp;année...</translation>
    </message>
    <message>
        <source>Always On &amp;Top</source>
        <translation>Toujours au &amp;premier plan</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>À &amp;propos...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>Salvenor (ZAV)
[Double Click for Prayer Times]</source>
        <translation>Salvenor (ZAV)
[Double-cliquez pour les heures de prière]</translation>
    </message>
    <message>
        <source>Hidden Area</source>
        <translation>Zone cachée</translation>
    </message>
    <message>
        <source>Today Prayer Times</source>
        <translation>Heures de prière du jour</translation>
    </message>
    <message>
        <source>Show Prayer Bar</source>
        <translation>Afficher la barre de prière</translation>
    </message>
    <message>
        <source>         Close Prayer Bar?         
(You can display it again from the task-bar icon)    </source>
        <translation>         Fermer la barre de prière ?         
(Vous pouvez la réafficher depuis l&apos;icône de la barre des tâches)    </translation>
    </message>
    <message>
        <source>Do you really want to Exit Salvenor?</source>
        <translation>Voulez-vous vraiment quitter Salvenor ?</translation>
    </message>
    <message>
        <source>Your desktop has no notification area, so Salvenor cannot show its tray icon.

Right-click the prayer bar for &quot;Today Prayer Times&quot;, &quot;Show Prayer Bar&quot; and &quot;Exit&quot;. The bar&apos;s menu button holds every other command.</source>
        <translation>Votre bureau n&apos;a pas de zone de notification : Salvenor ne peut pas y afficher son icône.

Cliquez avec le bouton droit sur la barre de prière pour « Heures de prière du jour », « Afficher la barre de prière » et « Quitter ». Le bouton de menu de la barre donne toutes les autres commandes.</translation>
    </message>
    <message>
        <source>The prayer bar stays shown: your desktop has no notification area from which it could be shown again.

To let other windows cover it, switch &quot;Always On Top&quot; off in the bar&apos;s menu.</source>
        <translation>La barre de prière reste affichée : votre bureau n&apos;a pas de zone de notification d&apos;où la réafficher.

Pour que d&apos;autres fenêtres puissent la couvrir, désactivez « Toujours au premier plan » dans le menu de la barre.</translation>
    </message>
    <message>
        <source>Athan Time - ZAV</source>
        <translation>Heure de l&apos;adhan - ZAV</translation>
    </message>
    <message>
        <source>Its %s -- Time for &quot; %s &quot; Prayer </source>
        <translation>Il est %s -- C&apos;est l&apos;heure de la prière &quot; %s &quot; </translation>
    </message>
    <message>
        <source>%s at %s</source>
        <translation>%s à %s</translation>
    </message>
    <message>
        <source>Next Sala Tme:</source>
        <translation>Prochaine prière :</translation>
    </message>
    <message>
        <source>Close Window</source>
        <translation>Fermer la fenêtre</translation>
    </message>
    <message>
        <source>Stop Athan !</source>
        <translation>Arrêter l&apos;adhan !</translation>
    </message>
    <message>
        <source>Sala Time Reminder</source>
        <translation>Rappel de l&apos;heure de prière</translation>
    </message>
    <message>
        <source>Later (!!)</source>
        <translation>Plus tard (!!)</translation>
    </message>
    <message>
        <source>I have already Prayed</source>
        <translation>J&apos;ai déjà prié</translation>
    </message>
    <message>
        <source>Remind again me in:</source>
        <translation>Me rappeler dans :</translation>
    </message>
    <message>
        <source>minutes</source>
        <translation>minutes</translation>
    </message>
    <message>
        <source>Minutes until the reminder</source>
        <translation>Minutes avant le rappel</translation>
    </message>
    <message>
        <source>Command menu</source>
        <translation>Menu des commandes</translation>
    </message>
    <message>
        <source>About Salvenor</source>
        <translation>À propos de Salvenor</translation>
    </message>
    <message>
        <source>Setup</source>
        <translation>Configuration</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>Custom offset from GMT in hours</source>
        <translation>Décalage personnalisé par rapport à GMT, en heures</translation>
    </message>
    <message>
        <source>Today&apos;s prayer times</source>
        <translation>Heures de prière du jour</translation>
    </message>
    <message>
        <source>Too Much Cities...not all cities are displayed!!</source>
        <translation>Trop de villes...toutes les villes ne sont pas affichées !!</translation>
    </message>
    <message>
        <source>%1 was not found.</source>
        <translation>%1 est introuvable.</translation>
    </message>
    <message>
        <source>Access to %1 was denied.</source>
        <translation>L&apos;accès à %1 a été refusé.</translation>
    </message>
    <message>
        <source>An unexpected error occurred while opening %1.</source>
        <translation>Une erreur inattendue est survenue à l&apos;ouverture de %1.</translation>
    </message>
    <message>
        <source>The world city database is damaged: %s.
The country and city lists cannot be trusted; you might need to re-install ZAV again.</source>
        <translation>La base de données des villes du monde est endommagée : %s.
Les listes des pays et des villes ne sont pas fiables ; il faudra peut-être réinstaller ZAV.</translation>
    </message>
    <message>
        <source>world.sum lists a country without a name</source>
        <translation>world.sum contient un pays sans nom</translation>
    </message>
    <message>
        <source>the countries of world.sum do not point to their cities in order</source>
        <translation>les pays de world.sum ne renvoient pas à leurs villes dans l&apos;ordre</translation>
    </message>
    <message>
        <source>world.sum points past the end of IndexWorld.zav</source>
        <translation>world.sum renvoie au-delà de la fin de IndexWorld.zav</translation>
    </message>
    <message>
        <source>IndexWorld.zav holds cities whose coordinates no place can have; they are left out</source>
        <translation>IndexWorld.zav contient des villes aux coordonnées impossibles ; elles sont écartées</translation>
    </message>
    <message>
        <source>The world city database is built from GeoNames (https://www.geonames.org/), licensed under CC BY 4.0 (https://creativecommons.org/licenses/by/4.0/).</source>
        <translation>La base de données des villes du monde est construite à partir de GeoNames (https://www.geonames.org/), sous licence CC BY 4.0 (https://creativecommons.org/licenses/by/4.0/).</translation>
    </message>
    <message>
        <source>Country And city selection</source>
        <translation>Choix du pays et de la ville</translation>
    </message>
    <message>
        <source>Chose Country</source>
        <translation>Choisissez le pays</translation>
    </message>
    <message>
        <source>Chose City</source>
        <translation>Choisissez la ville</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>Pays</translation>
    </message>
    <message>
        <source>Current Country: </source>
        <translation>Pays actuel : </translation>
    </message>
    <message>
        <source>COUNTRY NAME</source>
        <translation>NOM DU PAYS</translation>
    </message>
    <message>
        <source>City Name</source>
        <translation>Nom de la ville</translation>
    </message>
    <message>
        <source>City First Character:</source>
        <translation>Première lettre de la ville :</translation>
    </message>
    <message>
        <source>Current City:</source>
        <translation>Ville actuelle :</translation>
    </message>
    <message>
        <source>CURRENT CITY</source>
        <translation>VILLE ACTUELLE</translation>
    </message>
    <message>
        <source>&amp;Not Found? Press Here...</source>
        <translation>&amp;Introuvable ? Cliquez ici...</translation>
    </message>
    <message>
        <source>Country was not yet selected - Please select country first!</source>
        <translation>Aucun pays n&apos;est encore choisi - Veuillez d&apos;abord choisir le pays !</translation>
    </message>
    <message>
        <source>Error Occurred while building the city list!!</source>
        <translation>Une erreur est survenue en construisant la liste des villes !!</translation>
    </message>
    <message>
        <source>No Enough memory to list all of the Cities !!</source>
        <translation>Mémoire insuffisante pour lister toutes les villes !!</translation>
    </message>
    <message>
        <source>No City with that letter, please choose another one</source>
        <translation>Aucune ville avec cette lettre, veuillez en choisir une autre</translation>
    </message>
    <message>
        <source>The database lists no city for that country</source>
        <translation>La base de données ne contient aucune ville pour ce pays</translation>
    </message>
    <message>
        <source>Invalid Country..please select a valid country from the country list</source>
        <translation>Pays non valide..veuillez choisir un pays valide dans la liste des pays</translation>
    </message>
    <message>
        <source>Please choose a city of the new country from the city list, or press &quot;Not Found? Press Here...&quot; to type its coordinates.</source>
        <translation>Veuillez choisir une ville du nouveau pays dans la liste des villes, ou cliquez sur « Introuvable ? Cliquez ici... » pour saisir ses coordonnées.</translation>
    </message>
    <message>
        <source>Choose your city: menu, Setup...</source>
        <translation>Choisissez votre ville : menu, Configuration...</translation>
    </message>
    <message>
        <source>no city chosen yet (menu, Setup...)</source>
        <translation>aucune ville choisie (menu, Configuration...)</translation>
    </message>
    <message>
        <source>Salvenor (ZAV)</source>
        <translation>Salvenor (ZAV)</translation>
    </message>
    <message>
        <source>Reading configurations.... Please wait!</source>
        <translation>Lecture de la configuration.... Veuillez patienter !</translation>
    </message>
    <message>
        <source>File Error...you may need to re-install ZAV again!!!</source>
        <translation>Erreur de fichier...il faudra peut-être réinstaller ZAV !!!</translation>
    </message>
    <message>
        <source>File Error...you may need to re-install ZAV again!!!

%s</source>
        <translation>Erreur de fichier...il faudra peut-être réinstaller ZAV !!!

%s</translation>
    </message>
    <message>
        <source>Cannot open file %s</source>
        <translation>Impossible d&apos;ouvrir le fichier %s</translation>
    </message>
    <message>
        <source>Today Pryer Times</source>
        <translation>Heures de prière du jour</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Makkah Um Ul-Qura</source>
        <translation>Umm al-Qura, La Mecque</translation>
    </message>
    <message>
        <source>IslamicSocietyofNorthAmerica (ISNA)</source>
        <translation>Islamic Society of North America (ISNA)</translation>
    </message>
    <message>
        <source>About Salvenor Version 2.0</source>
        <translation>À propos de Salvenor version 2.0</translation>
    </message>
    <message>
        <source>Version 2.0</source>
        <translation>Version 2.0</translation>
    </message>
    <message>
        <source>Released December 2026</source>
        <translation>Publié en décembre 2026</translation>
    </message>
    <message>
        <source>Prayer times for your desktop</source>
        <translation>Les heures de prière sur votre bureau</translation>
    </message>
    <message>
        <source>Package version %1</source>
        <translation>Version du paquet %1</translation>
    </message>
    <message>
        <source>Copyright (C) 2026 The Salvenor developers</source>
        <translation>Copyright (C) 2026 Les développeurs de Salvenor</translation>
    </message>
    <message>
        <source>Salvenor is free software: you can redistribute it and/or modify it under the terms of the GNU General Public License, version 3 or (at your option) any later version (GPL-3.0-or-later). It comes with no warranty.</source>
        <translation>Salvenor est un logiciel libre : vous pouvez le redistribuer et/ou le modifier selon les termes de la Licence publique générale GNU, version 3 ou (à votre choix) toute version ultérieure (GPL-3.0-or-later). Il est fourni sans aucune garantie.</translation>
    </message>
    <message>
        <source>Salvenor (ZAV) New Installation Setup</source>
        <translation>Salvenor (ZAV) Configuration d&apos;une nouvelle installation</translation>
    </message>
    <message>
        <source>ZAV INITIAL SETUP</source>
        <translation>CONFIGURATION INITIALE DE ZAV</translation>
    </message>
    <message>
        <source>You will need to enter the COUNTRY NAME and the CITY NAME so that the ZAV can adjust prayer times to your location. </source>
        <translation>Vous devrez saisir le NOM DU PAYS et le NOM DE LA VILLE pour que ZAV adapte les heures de prière à votre position. </translation>
    </message>
    <message>
        <source>In the coming dialog, please select those settings carefuly. You can change that at any time from the &quot;Setup&quot; menu. </source>
        <translation>Dans la fenêtre suivante, choisissez ces réglages avec soin. Vous pourrez les modifier à tout moment depuis le menu « Configuration ». </translation>
    </message>
    <message>
        <source>Press &quot;Continue&quot; to begin the setings or Exit if you wish to cancel Setup (Note if you cancel, a default setup will be put for you which might not be correct</source>
        <translation>Cliquez sur « Continuer » pour commencer les réglages, ou sur Quitter pour annuler la configuration (si vous annulez, une configuration par défaut, peut-être inexacte, sera mise en place</translation>
    </message>
    <message>
        <source>Continue...</source>
        <translation>Continuer...</translation>
    </message>
    <message>
        <source>Exit !</source>
        <translation>Quitter !</translation>
    </message>
    <message>
        <source>Reminder</source>
        <translation>Rappel</translation>
    </message>
    <message>
        <source>Please visit our website at:</source>
        <translation>Visitez notre site web :</translation>
    </message>
    <message>
        <source>For support, questions, suggestions or comments please send us an email on</source>
        <translation>Pour l&apos;assistance, les questions, les suggestions ou les commentaires, écrivez-nous à</translation>
    </message>
    <message>
        <source>Not Supported !!</source>
        <translation>Non pris en charge !!</translation>
    </message>
    <message>
        <source>Not supported yet</source>
        <translation>Pas encore pris en charge</translation>
    </message>
    <message>
        <source>This feature is not part of this release.</source>
        <translation>Cette fonction ne fait pas partie de cette version.</translation>
    </message>
    <message>
        <source>News of future releases:</source>
        <translation>Nouvelles des prochaines versions :</translation>
    </message>
    <message>
        <source>Please enter a number.</source>
        <translation>Veuillez saisir un nombre.</translation>
    </message>
    <message>
        <source>Please enter an integer.</source>
        <translation>Veuillez saisir un entier.</translation>
    </message>
    <message>
        <source>Please enter a positive integer.</source>
        <translation>Veuillez saisir un entier positif.</translation>
    </message>
    <message>
        <source>Please enter an integer between %1 and %2.</source>
        <translation>Veuillez saisir un entier entre %1 et %2.</translation>
    </message>
    <message>
        <source>Please enter a number between %1 and %2.</source>
        <translation>Veuillez saisir un nombre entre %1 et %2.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Location Positioning</source>
        <translation>Position du lieu</translation>
    </message>
    <message>
        <source>CityName</source>
        <translation>NomDeVille</translation>
    </message>
    <message>
        <source>City Coordinates</source>
        <translation>Coordonnées de la ville</translation>
    </message>
    <message>
        <source>Enter  Longitude:</source>
        <translation>Saisir  la longitude :</translation>
    </message>
    <message>
        <source>Enter  Latitude:</source>
        <translation>Saisir  la latitude :</translation>
    </message>
    <message>
        <source>Enter  Altitude</source>
        <translation>Saisir  l&apos;altitude</translation>
    </message>
    <message>
        <source>Decimal</source>
        <translation>Décimal</translation>
    </message>
    <message>
        <source>No sound device: the athan cannot be heard.</source>
        <translation>Aucun périphérique audio : l&apos;adhan ne peut pas être entendu.</translation>
    </message>
    <message>
        <source>North and east are positive, south and west negative (73.95 W is -73.95).</source>
        <translation>Le nord et l&apos;est sont positifs, le sud et l&apos;ouest négatifs (73.95 O s&apos;écrit -73.95).</translation>
    </message>
    <message>
        <source>(Meters)</source>
        <translation>(Mètres)</translation>
    </message>
    <message>
        <source>Advanced Setup</source>
        <translation>Configuration avancée</translation>
    </message>
    <message>
        <source>Time Zone</source>
        <translation>Fuseau horaire</translation>
    </message>
    <message>
        <source>&amp;Follow Windows</source>
        <translation>&amp;Suivre le système</translation>
    </message>
    <message>
        <source>Custom:</source>
        <translation>Personnalisé :</translation>
    </message>
    <message>
        <source>GMT</source>
        <translation>GMT</translation>
    </message>
    <message>
        <source>Calculation Way</source>
        <translation>Méthode de calcul</translation>
    </message>
    <message>
        <source>Month Calendar</source>
        <translation>Calendrier du mois</translation>
    </message>
    <message>
        <source>Select Month:</source>
        <translation>Choisir le mois :</translation>
    </message>
    <message>
        <source>Select Year:</source>
        <translation>Choisir l&apos;année :</translation>
    </message>
    <message>
        <source>Hijri</source>
        <translation>Hégirien</translation>
    </message>
    <message>
        <source>Georgian</source>
        <translation>Grégorien</translation>
    </message>
    <message>
        <source>Print...</source>
        <translation>Imprimer...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Save As...</source>
        <translation>&amp;Enregistrer sous...</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Imprimer</translation>
    </message>
    <message>
        <source>Print Pre&amp;view</source>
        <translation>&amp;Aperçu avant impression</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Édition</translation>
    </message>
    <message>
        <source>&amp;Copy               Ctrl+C</source>
        <translation>&amp;Copier               Ctrl+C</translation>
    </message>
    <message>
        <source>Select &amp;All        Ctrl+A</source>
        <translation>&amp;Tout sélectionner        Ctrl+A</translation>
    </message>
    <message>
        <source>&amp;Find</source>
        <translation>&amp;Rechercher</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Format</translation>
    </message>
    <message>
        <source>Font...</source>
        <translation>Police...</translation>
    </message>
    <message>
        <source>The Hijri calendar here runs from Muharram of the year 1 to the year 9999.</source>
        <translation>Le calendrier hégirien va ici de Mouharram de l&apos;an 1 à l&apos;an 9999.</translation>
    </message>
    <message>
        <source>The Gregorian calendar here runs from August 622 to the year 9999.</source>
        <translation>Le calendrier grégorien va ici d&apos;août 622 à l&apos;an 9999.</translation>
    </message>
    <message>
        <source>Save Page As</source>
        <translation>Enregistrer la page sous</translation>
    </message>
    <message>
        <source>HTML page (*.html *.htm)</source>
        <translation>Page HTML (*.html *.htm)</translation>
    </message>
    <message>
        <source>The page could not be saved as %1.</source>
        <translation>La page n&apos;a pas pu être enregistrée sous %1.</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Mois</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Année</translation>
    </message>
    <message>
        <source>Next year</source>
        <translation>Année suivante</translation>
    </message>
    <message>
        <source>Previous year</source>
        <translation>Année précédente</translation>
    </message>
    <message>
        <source>Next month</source>
        <translation>Mois suivant</translation>
    </message>
    <message>
        <source>Previous month</source>
        <translation>Mois précédent</translation>
    </message>
    <message>
        <source>Calendar</source>
        <translation>Calendrier</translation>
    </message>
    <message>
        <source>Calendar page</source>
        <translation>Page du calendrier</translation>
    </message>
    <message>
        <source>Menu bar</source>
        <translation>Barre de menus</translation>
    </message>
    <message>
        <source>Year range</source>
        <translation>Plage des années</translation>
    </message>
    <message>
        <source>Fi&amp;nd:</source>
        <translation>Rec&amp;hercher :</translation>
    </message>
    <message>
        <source>Text to find</source>
        <translation>Texte à rechercher</translation>
    </message>
    <message>
        <source>Ne&amp;xt</source>
        <translation>&amp;Suivant</translation>
    </message>
    <message>
        <source>Pre&amp;vious</source>
        <translation>&amp;Précédent</translation>
    </message>
    <message>
        <source>Close find bar</source>
        <translation>Fermer la barre de recherche</translation>
    </message>
    <message>
        <source>Find result</source>
        <translation>Résultat de la recherche</translation>
    </message>
    <message>
        <source>Not found</source>
        <translation>Introuvable</translation>
    </message>
    <message>
        <source>Reached the end of the page, continued from the top</source>
        <translation>Fin de la page atteinte, reprise depuis le début</translation>
    </message>
    <message>
        <source>Reached the start of the page, continued from the bottom</source>
        <translation>Début de la page atteint, reprise depuis la fin</translation>
    </message>
    <message>
        <source>Athan &amp; Reminder Settings</source>
        <translation>Réglages de l&apos;adhan &amp; des rappels</translation>
    </message>
    <message>
        <source>All Prayer Athan File (WAV)</source>
        <translation>Fichier d&apos;adhan de toutes les prières (WAV)</translation>
    </message>
    <message>
        <source>Fajr Prayer Athan File (WAV):</source>
        <translation>Fichier d&apos;adhan de la prière de Fajr (WAV) :</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Parcourir...</translation>
    </message>
    <message>
        <source>Display Athan Dialog and Play Athan Sound When Prayer Time Comes</source>
        <translation>Afficher la fenêtre de l&apos;adhan et jouer l&apos;adhan à l&apos;heure de la prière</translation>
    </message>
    <message>
        <source>Bring Time Bar on Top to Remind of Prayer Time</source>
        <translation>Mettre la barre au premier plan pour rappeler l&apos;heure de la prière</translation>
    </message>
    <message>
        <source>Mute All Sounds</source>
        <translation>Couper tous les sons</translation>
    </message>
    <message>
        <source>Start Salvenor when I &amp;log in</source>
        <translation>Démarrer Salvenor à l&apos;&amp;ouverture de session</translation>
    </message>
    <message>
        <source>Salvenor could not change its login start entry:
%1</source>
        <translation>Salvenor n&apos;a pas pu modifier son lancement à l&apos;ouverture de session :
%1</translation>
    </message>
    <message>
        <source>Play or stop the All Prayer Athan</source>
        <translation>Jouer ou arrêter l&apos;adhan de toutes les prières</translation>
    </message>
    <message>
        <source>Play or stop the Fajr Prayer Athan</source>
        <translation>Jouer ou arrêter l&apos;adhan de Fajr</translation>
    </message>
    <message>
        <source>Browse for the All Prayer Athan File</source>
        <translation>Parcourir pour le fichier d&apos;adhan de toutes les prières</translation>
    </message>
    <message>
        <source>Browse for the Fajr Prayer Athan File</source>
        <translation>Parcourir pour le fichier d&apos;adhan de Fajr</translation>
    </message>
    <message>
        <source>Wave Files (*.wav) </source>
        <translation>Fichiers Wave (*.wav) </translation>
    </message>
    <message>
        <source>All Files (*.*)</source>
        <translation>Tous les fichiers (*.*)</translation>
    </message>
    <message>
        <source>Date Adjustments</source>
        <translation>Ajustements de date</translation>
    </message>
    <message>
        <source>Not Supported In this version</source>
        <translation>Non pris en charge dans cette version</translation>
    </message>
    <message>
        <source>Overwrite the current Hijri date</source>
        <translation>Remplacer la date hégirienne actuelle</translation>
    </message>
    <message>
        <source>Today is:</source>
        <translation>Aujourd&apos;hui :</translation>
    </message>
    <message>
        <source>of</source>
        <translation>de</translation>
    </message>
    <message>
        <source>Chose Hijri Month</source>
        <translation>Choisir le mois hégirien</translation>
    </message>
    <message>
        <source>Hijri day of month</source>
        <translation>Jour du mois hégirien</translation>
    </message>
    <message>
        <source>Hijri month</source>
        <translation>Mois hégirien</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Langue</translation>
    </message>
    <message>
        <source>System</source>
        <translation>Système</translation>
    </message>
    <message>
        <source>%d of %s, %d</source>
        <translation>%d %s %d</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1 : %2</translation>
    </message>
    <message>
        <source>%1 in %2 h %3 min</source>
        <translation>%1 dans %2 h %3 min</translation>
    </message>
    <message>
        <source>%1 in %2 min</source>
        <translation>%1 dans %2 min</translation>
    </message>
    <message>
        <source>Prayer bar</source>
        <translation>Barre de prière</translation>
    </message>
    <message>
        <source>Put the bar back in the corner</source>
        <translation>Remettre la barre dans le coin</translation>
    </message>
    <message>
        <source>Or &amp;search:</source>
        <translation>Ou &amp;rechercher :</translation>
    </message>
    <message>
        <source>Any part of the name</source>
        <translation>N&apos;importe quelle partie du nom</translation>
    </message>
    <message>
        <source>Cities found</source>
        <translation>Villes trouvées</translation>
    </message>
    <message>
        <source>%1   (%2)</source>
        <translation>%1   (%2)</translation>
    </message>
    <message>
        <source>No city of this country has that name.</source>
        <translation>Aucune ville de ce pays ne porte ce nom.</translation>
    </message>
    <message>
        <source>The first %1 of %2 cities: type more to see the others.</source>
        <translation>Les %1 premières villes sur %2 : tapez davantage pour voir les autres.</translation>
    </message>
    <message>
        <source>University of Islamic Sciences, Karachi</source>
        <translation>Université des sciences islamiques, Karachi</translation>
    </message>
    <message>
        <source>Kuwait</source>
        <translation>Koweït</translation>
    </message>
    <message>
        <source>Qatar</source>
        <translation>Qatar</translation>
    </message>
    <message>
        <source>Dubai (United Arab Emirates)</source>
        <translation>Dubaï (Émirats arabes unis)</translation>
    </message>
    <message>
        <source>Singapore (MUIS)</source>
        <translation>Singapour (MUIS)</translation>
    </message>
    <message>
        <source>Institute of Geophysics, University of Tehran</source>
        <translation>Institut de géophysique, Université de Téhéran</translation>
    </message>
    <message>
        <source>Diyanet, Turkey</source>
        <translation>Diyanet, Turquie</translation>
    </message>
    <message>
        <source>Moonsighting Committee Worldwide</source>
        <translation>Moonsighting Committee Worldwide</translation>
    </message>
    <message>
        <source>Umm al-Qura, Makkah</source>
        <translation>Umm al-Qura, La Mecque</translation>
    </message>
    <message>
        <source>Muslim World League</source>
        <translation>Ligue islamique mondiale</translation>
    </message>
    <message>
        <source>Egyptian General Authority of Survey</source>
        <translation>Autorité générale égyptienne d&apos;arpentage</translation>
    </message>
    <message>
        <source>Time for %1</source>
        <translation>C&apos;est l&apos;heure de %1</translation>
    </message>
    <message>
        <source>%1 at %2</source>
        <translation>%1 à %2</translation>
    </message>
    <message>
        <source>%1 in %2 minutes</source>
        <translation>%1 dans %2 minutes</translation>
    </message>
    <message>
        <source>Desktop notifications</source>
        <translation>Notifications du bureau</translation>
    </message>
    <message>
        <source>Notify me at each prayer time</source>
        <translation>Me notifier à chaque heure de prière</translation>
    </message>
    <message>
        <source>Warn me before each prayer</source>
        <translation>M&apos;avertir avant chaque prière</translation>
    </message>
    <message>
        <source> minutes before</source>
        <translation> minutes avant</translation>
    </message>
    <message>
        <source>Minutes of the warning before each prayer</source>
        <translation>Minutes d&apos;avance de l&apos;avertissement avant chaque prière</translation>
    </message>
    <message>
        <source>&amp;Export Prayer Times...</source>
        <translation>&amp;Exporter les heures de prière...</translation>
    </message>
    <message>
        <source>Salvenor could not write the prayer times to:
%1</source>
        <translation>Salvenor n&apos;a pas pu écrire les heures de prière dans :
%1</translation>
    </message>
    <message>
        <source>iCalendar Files (*.ics)</source>
        <translation>Fichiers iCalendar (*.ics)</translation>
    </message>
    <message>
        <source>%s in %d minutes</source>
        <translation>%s dans %d minutes</translation>
    </message>
    <message>
        <source>%ld degrees, %s</source>
        <translation>%ld degrés, %s</translation>
    </message>
    <message>
        <source>north</source>
        <translation>nord</translation>
    </message>
    <message>
        <source>north-north-east</source>
        <translation>nord-nord-est</translation>
    </message>
    <message>
        <source>north-east</source>
        <translation>nord-est</translation>
    </message>
    <message>
        <source>east-north-east</source>
        <translation>est-nord-est</translation>
    </message>
    <message>
        <source>east</source>
        <translation>est</translation>
    </message>
    <message>
        <source>east-south-east</source>
        <translation>est-sud-est</translation>
    </message>
    <message>
        <source>south-east</source>
        <translation>sud-est</translation>
    </message>
    <message>
        <source>south-south-east</source>
        <translation>sud-sud-est</translation>
    </message>
    <message>
        <source>south</source>
        <translation>sud</translation>
    </message>
    <message>
        <source>south-south-west</source>
        <translation>sud-sud-ouest</translation>
    </message>
    <message>
        <source>south-west</source>
        <translation>sud-ouest</translation>
    </message>
    <message>
        <source>west-south-west</source>
        <translation>ouest-sud-ouest</translation>
    </message>
    <message>
        <source>west</source>
        <translation>ouest</translation>
    </message>
    <message>
        <source>west-north-west</source>
        <translation>ouest-nord-ouest</translation>
    </message>
    <message>
        <source>north-west</source>
        <translation>nord-ouest</translation>
    </message>
    <message>
        <source>north-north-west</source>
        <translation>nord-nord-ouest</translation>
    </message>
    <message>
        <source>Calculation</source>
        <translation>Calcul</translation>
    </message>
    <message>
        <source>Custom angles</source>
        <translation>Angles personnalisés</translation>
    </message>
    <message>
        <source>&amp;Convention:</source>
        <translation>&amp;Convention :</translation>
    </message>
    <message>
        <source>The built-in way of Advanced Setup</source>
        <translation>La méthode intégrée de la Configuration avancée</translation>
    </message>
    <message>
        <source>Whose angles give Fajr and Isha: the built-in way, a published convention, or your own.</source>
        <translation>Les angles qui donnent Fajr et Icha : la méthode intégrée, une convention publiée ou les vôtres.</translation>
    </message>
    <message>
        <source>&amp;Fajr angle:</source>
        <translation>Angle de &amp;Fajr :</translation>
    </message>
    <message>
        <source>&amp;Isha angle:</source>
        <translation>Angle d&apos;&amp;Icha :</translation>
    </message>
    <message>
        <source>or Isha &amp;minutes after Maghrib:</source>
        <translation>ou Icha &amp;minutes après Maghrib :</translation>
    </message>
    <message>
        <source>Custom: the sun&apos;s depression at Fajr and Isha, or Isha a fixed time after Maghrib (0: by angle).</source>
        <translation>Personnalisé : l&apos;abaissement du soleil à Fajr et à Icha, ou Icha à une durée fixe après Maghrib (0 : par l&apos;angle).</translation>
    </message>
    <message>
        <source>&amp;Asr:</source>
        <translation>&amp;Asr :</translation>
    </message>
    <message>
        <source>Standard (Shafi&apos;i, Maliki, Hanbali)</source>
        <translation>Standard (chaféite, malékite, hanbalite)</translation>
    </message>
    <message>
        <source>Hanafi</source>
        <translation>Hanafite</translation>
    </message>
    <message>
        <source>Asr begins when a shadow is one object length longer than at noon, or two (Hanafi).</source>
        <translation>L&apos;Asr commence quand l&apos;ombre dépasse celle de midi d&apos;une fois la longueur de l&apos;objet, ou de deux fois (hanafite).</translation>
    </message>
    <message>
        <source>Minutes added:</source>
        <translation>Minutes ajoutées :</translation>
    </message>
    <message>
        <source>Minutes (-30 to 30) added to each time, as your mosque&apos;s timetable does.</source>
        <translation>Minutes (de -30 à 30) ajoutées à chaque heure, comme le fait l&apos;horaire de votre mosquée.</translation>
    </message>
    <message>
        <source>Minutes added to %1</source>
        <translation>Minutes ajoutées à %1</translation>
    </message>
    <message>
        <source>&amp;High latitudes:</source>
        <translation>&amp;Hautes latitudes :</translation>
    </message>
    <message>
        <source>A seventh of the night</source>
        <translation>Un septième de la nuit</translation>
    </message>
    <message>
        <source>The middle of the night</source>
        <translation>Le milieu de la nuit</translation>
    </message>
    <message>
        <source>The angle&apos;s share of the night</source>
        <translation>La part de la nuit selon l&apos;angle</translation>
    </message>
    <message>
        <source>Fajr and Isha where the sun does not sink to their angle (summer nights far north).</source>
        <translation>Fajr et Icha là où le soleil ne descend pas jusqu&apos;à leur angle (nuits d&apos;été dans le Grand Nord).</translation>
    </message>
    <message>
        <source>&amp;Sun:</source>
        <translation>&amp;Soleil :</translation>
    </message>
    <message>
        <source>The built-in table</source>
        <translation>La table intégrée</translation>
    </message>
    <message>
        <source>Computed for the date</source>
        <translation>Calculé pour la date</translation>
    </message>
    <message>
        <source>The sun&apos;s place from the built-in table of one year, or computed for each date.</source>
        <translation>La position du soleil d&apos;après la table intégrée d&apos;une année, ou calculée pour chaque date.</translation>
    </message>
    <message>
        <source>Hijri &amp;day adjustment:</source>
        <translation>Ajustement du &amp;jour hégirien :</translation>
    </message>
    <message>
        <source>Days (-2 to 2) added to the Hijri date, to follow the local moon sighting.</source>
        <translation>Jours (de -2 à 2) ajoutés à la date hégirienne, pour suivre l&apos;observation locale de la lune.</translation>
    </message>
    <message>
        <source>Today&apos;s times with these choices:</source>
        <translation>Les heures d&apos;aujourd&apos;hui avec ces choix :</translation>
    </message>
    <message>
        <source>Proposed for %1: %2. OK confirms it; Cancel keeps your choice.</source>
        <translation>Proposé pour %1 : %2. OK le confirme ; Annuler garde votre choix.</translation>
    </message>
    <message>
        <source>In force: %1 (chosen on the Calculation page).</source>
        <translation>En vigueur : %1 (choisi sur la page Calcul).</translation>
    </message>
    <message>
        <source>Your choices could not be saved in %1 (%2). They stay in force until Salvenor is closed.</source>
        <translation>Vos choix n&apos;ont pas pu être enregistrés dans %1 (%2). Ils restent en vigueur jusqu&apos;à la fermeture de Salvenor.</translation>
    </message>
    <message>
        <source>Qibla (direction of the Kaaba from true north): %1</source>
        <translation>Qibla (direction de la Kaaba depuis le nord vrai) : %1</translation>
    </message>
    <message>
        <source>1 Muhaaran: &lt;font color=&quot;#800040&quot;&gt; Start of the Hijri Calendar</source>
        <translation>1 Mouharram: &lt;font color=&quot;#800040&quot;&gt;Début du calendrier hégirien</translation>
    </message>
    <message>
        <source>2 Safar: &lt;font color=&quot;#800040&quot;&gt;Hijra from Makka to Madina</source>
        <translation>27 Safar: &lt;font color=&quot;#800040&quot;&gt;Hégire de La Mecque à Médine</translation>
    </message>
    <message>
        <source>12 of Raby` al-awal: &lt;font color=&quot;#800040&quot;&gt;The Birth of Prophet Muhammad (SAAWS)</source>
        <translation>12 Rabia al-awal: &lt;font color=&quot;#800040&quot;&gt;Naissance du Prophète Muhammad (psl)</translation>
    </message>
    <message>
        <source>27 of Rajab: &lt;font color=&quot;#800040&quot;&gt;Isra&apos; and Mi&apos;raj</source>
        <translation>27 Rajab: &lt;font color=&quot;#800040&quot;&gt;Isra&apos; et Mi&apos;raj</translation>
    </message>
    <message>
        <source>1  Ramadan: &lt;font color=&quot;#800040&quot;&gt;Start Of Ramadan</source>
        <translation>1 Ramadan: &lt;font color=&quot;#800040&quot;&gt;Début du Ramadan</translation>
    </message>
    <message>
        <source>17 Ramadan: &lt;font color=&quot;#800040&quot;&gt;Battle of Badr</source>
        <translation>17 Ramadan: &lt;font color=&quot;#800040&quot;&gt;Bataille de Badr</translation>
    </message>
    <message>
        <source>21 Ramadan: &lt;font color=&quot;#800040&quot;&gt;Conquest of Makkah</source>
        <translation>21 Ramadan: &lt;font color=&quot;#800040&quot;&gt;Conquête de La Mecque</translation>
    </message>
    <message>
        <source>1,2,3 Shawwal: &lt;font color=&quot;#800040&quot;&gt;Eid Al-Fitr</source>
        <translation>1, 2, 3 Chawwal: &lt;font color=&quot;#800040&quot;&gt;Aïd al-Fitr</translation>
    </message>
    <message>
        <source>6  Shawwal: &lt;font color=&quot;#800040&quot;&gt;Battle of Uhud</source>
        <translation>6 Chawwal: &lt;font color=&quot;#800040&quot;&gt;Bataille d&apos;Uhud</translation>
    </message>
    <message>
        <source>10 Shawwal: &lt;font color=&quot;#800040&quot;&gt;Battle of Hunayn</source>
        <translation>10 Chawwal: &lt;font color=&quot;#800040&quot;&gt;Bataille de Hunayn</translation>
    </message>
    <message>
        <source>17 of Thw al-Qi`dah: &lt;font color=&quot;#800040&quot;&gt;Battle of Al-Ahzab</source>
        <translation>17 Dhou al-qi`da: &lt;font color=&quot;#800040&quot;&gt;Bataille du Fossé (al-Ahzab)</translation>
    </message>
    <message>
        <source>9  of Thw al-Hijjah: &lt;font color=&quot;#800040&quot;&gt;Day of Araft</source>
        <translation>9 Dhou al-hijja: &lt;font color=&quot;#800040&quot;&gt;Jour d&apos;Arafat</translation>
    </message>
    <message>
        <source>10,11,12 of Thw al-Hijjah: &lt;font color=&quot;#800040&quot;&gt;Eid Al-Adha</source>
        <translation>10, 11, 12 Dhou al-hijja: &lt;font color=&quot;#800040&quot;&gt;Aïd al-Adha</translation>
    </message>
    <message>
        <source>Muhr</source>
        <translation>Mou</translation>
    </message>
    <message>
        <source>Safr</source>
        <translation>Saf</translation>
    </message>
    <message>
        <source>Rab1</source>
        <translation>Rab1</translation>
    </message>
    <message>
        <source>Rab2</source>
        <translation>Rab2</translation>
    </message>
    <message>
        <source>Jmd1</source>
        <translation>Jum1</translation>
    </message>
    <message>
        <source>Jmd2</source>
        <translation>Jum2</translation>
    </message>
    <message>
        <source>Rajb</source>
        <translation>Raj</translation>
    </message>
    <message>
        <source>Shbn</source>
        <translation>Cha</translation>
    </message>
    <message>
        <source>Rmdn</source>
        <translation>Ram</translation>
    </message>
    <message>
        <source>Shwl</source>
        <translation>Chaw</translation>
    </message>
    <message>
        <source>Qidh</source>
        <translation>DhQ</translation>
    </message>
    <message>
        <source>Hjah</source>
        <translation>DhH</translation>
    </message>
    <message>
        <source>JAN</source>
        <translation>JANV</translation>
    </message>
    <message>
        <source>FEB</source>
        <translation>FÉVR</translation>
    </message>
    <message>
        <source>MAR</source>
        <translation>MARS</translation>
    </message>
    <message>
        <source>APR</source>
        <translation>AVR</translation>
    </message>
    <message>
        <source>MAY</source>
        <translation>MAI</translation>
    </message>
    <message>
        <source>JUN</source>
        <translation>JUIN</translation>
    </message>
    <message>
        <source>JUL</source>
        <translation>JUIL</translation>
    </message>
    <message>
        <source>AUG</source>
        <translation>AOÛT</translation>
    </message>
    <message>
        <source>SEP</source>
        <translation>SEPT</translation>
    </message>
    <message>
        <source>OCT</source>
        <translation>OCT</translation>
    </message>
    <message>
        <source>NOV</source>
        <translation>NOV</translation>
    </message>
    <message>
        <source>DEC</source>
        <translation>DÉC</translation>
    </message>
    <message>
        <source>latitude</source>
        <translation>latitude</translation>
    </message>
    <message>
        <source>longitude</source>
        <translation>longitude</translation>
    </message>
    <message>
        <source>altitude</source>
        <translation>altitude</translation>
    </message>
    <message>
        <source>time-zone offset</source>
        <translation>décalage horaire</translation>
    </message>
    <message>
        <source>%s and %s</source>
        <translation>%s et %s</translation>
    </message>
    <message>
        <source>%s, %s</source>
        <translation>%s, %s</translation>
    </message>
    <message>
        <source>The new language is used as soon as you press OK.</source>
        <translation>La nouvelle langue est utilisée dès que vous appuyez sur OK.</translation>
    </message>
</context>
</TS>
