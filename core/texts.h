// Every text the program shows a user, word for word, in one place. Each subsystem has its own
// section; keep a text here even when only one window uses it.
#pragma once

namespace salvenor::texts {

inline constexpr const char* AppTitle = "Salvenor";

// --- Configuration file -------------------------------------------------------------------------
inline constexpr const char* DiskReadError =
    "\n   ERROR READING READING DISK.\n\nZAV installation might have been corrupted, try last "
    "operation again!\nIf the problem still exists, you might need to re-install ZAV again";
// Signature and end-marker mismatches carry the trailing blank; a version mismatch does not.
inline constexpr const char* ConfigReadErrorBlank =
    "Error Reading initialization file...\nProgram needs re-installation!!! ";
inline constexpr const char* ConfigReadError =
    "Error Reading initialization file...\nProgram needs re-installation!!!";
inline constexpr const char* ConfigSaveError =
    "\n   ERROR SAVING LATEST CONFIGURATION TO THE DISK.\n\nThe disk could be full.Try setting "
    "the same configuration again.\nIf the problem still exists, you might want to restart ZAV "
    "or restart windows!\n";

// A loaded record holds a value no place or zone can have in the fields named (%s: "latitude",
// "longitude, altitude", ...); the program runs on without them.
// First-run setup after a damaged zav.cfg keeps the old file; %s is where it went.
inline constexpr const char* DamagedConfigKept =
    "The configuration file zav.cfg was damaged. It has been kept as\n%s\nand setup now makes a "
    "new one.";
inline constexpr const char* DamagedConfigNotKept =
    "The configuration file zav.cfg is damaged and could not be set aside, so setup has changed "
    "nothing. Move the file away and start Salvenor again.";
inline constexpr const char* ConfigDamagedFields =
    "The configuration file zav.cfg is damaged: its %s cannot be right.\nSalvenor uses the value "
    "of a new installation in its place for now; choose &Setup... from the bar's menu to set it "
    "again.";

// --- Start-up -----------------------------------------------------------------------------------
inline constexpr const char* PathTooLong =
    "  -- ERROR  --\nYour application path is too long   \nplease re-install the application and "
    "select a shorter path\nfor your installation diretory!!";

// --- Prayer bar and alerts ----------------------------------------------------------------------
// The bar's title: the next prayer's name, its 12-hour time and "AM" or "PM".
inline constexpr const char* NextPrayerTitle = "Next: %s at: %d:%02d %s";
// The item the bar's own window menu (its right click) offers.
inline constexpr const char* AboutBarItem = "&About ZAV...";
// The command menu of the bar's menu button, in its order.
inline constexpr const char* SetupCommand = "&Setup...";
inline constexpr const char* OptionsCommand = "&Options...";
inline constexpr const char* MonthCalendarCommand = "&Month Calendar...";
inline constexpr const char* YearCalendarsCommand = "&Year Calendars...";
inline constexpr const char* AlwaysOnTopCommand = "Always On &Top";
inline constexpr const char* AboutCommand = "&About...";
inline constexpr const char* ExitCommand = "E&xit";

// The tray icon: its two-line tip, its menu ("Hidden Area") and its questions. The close
// question has nine blanks before and after its first line and four at the end of the second.
inline constexpr const char* TrayTip = "Salvenor (ZAV)\n[Double Click for Prayer Times]";
inline constexpr const char* TrayMenuTitle = "Hidden Area";
inline constexpr const char* TodayPrayerTimesItem = "Today Prayer Times";
inline constexpr const char* ShowPrayerBarItem = "Show Prayer Bar";
inline constexpr const char* CloseBarQuestion =
    "         Close Prayer Bar?         \n(You can display it again from the task-bar icon)    ";
inline constexpr const char* ExitQuestion = "Do you really want to Exit Salvenor?";
// Where the desktop has no notification area: said once, the first time, and when hiding the bar
// is asked for (it could not be shown again).
inline constexpr const char* NoTrayNotice =
    "Your desktop has no notification area, so Salvenor cannot show its tray icon.\n\n"
    "Right-click the prayer bar for \"Today Prayer Times\", \"Show Prayer Bar\" and "
    "\"Exit\". The bar's menu button holds every other command.";
inline constexpr const char* HideRefusedNoTray =
    "The prayer bar stays shown: your desktop has no notification area from which it could be "
    "shown again.\n\nTo let other windows cover it, switch \"Always On Top\" off in the bar's "
    "menu.";

// The athan window.
inline constexpr const char* AthanCaption = "Athan Time - ZAV";
// The prayer's time text and name; the name stands between quote marks with a blank each side,
// and the headline ends in one blank.
inline constexpr const char* AthanHeadline = "Its %s -- Time for \" %s \" Prayer ";
// The next prayer's name and time text.
inline constexpr const char* AthanNextPrayer = "%s at %s";
inline constexpr const char* AthanNextSalaLabel = "Next Sala Tme:";
inline constexpr const char* AthanCloseWindow = "Close Window";
inline constexpr const char* AthanStop = "Stop Athan !";
// The reminder window, and the minutes choice both windows share.
inline constexpr const char* ReminderCaption = "Sala Time Reminder";
inline constexpr const char* ReminderLater = "Later (!!)";
inline constexpr const char* ReminderAlreadyPrayed = "I have already Prayed";
inline constexpr const char* RemindAgainMeIn = "Remind again me in:";
inline constexpr const char* RemindMinutes = "minutes";
// Names that screen readers announce for controls and windows that show no text of their own.
inline constexpr const char* RemindMinutesName = "Minutes until the reminder";
inline constexpr const char* CommandMenuButtonName = "Command menu";
inline constexpr const char* AboutButtonName = "About Salvenor";
inline constexpr const char* SetupSheetName = "Setup";
inline constexpr const char* OptionsSheetName = "Options";
inline constexpr const char* CustomOffsetName = "Custom offset from GMT in hours";
inline constexpr const char* TodayPageName = "Today's prayer times";

// --- City database and selection ----------------------------------------------------------------
// Shown by the reader when one letter matches more cities than the list holds, even without the
// minor ones.
inline constexpr const char* TooManyCities = "Too Much Cities...not all cities are displayed!!";
// The general error report for a database file that cannot be opened; %1 is the file name as
// opened (".\\world.sum").
inline constexpr const char* FileNotFound = "%1 was not found.";
inline constexpr const char* FileAccessDenied = "Access to %1 was denied.";
inline constexpr const char* FileOpenFailed = "An unexpected error occurred while opening %1.";
// The database is damaged; %s says how (one of the four texts below).
inline constexpr const char* CityDatabaseDamaged =
    "The world city database is damaged: %s.\nThe country and city lists cannot be trusted; you "
    "might need to re-install ZAV again.";
inline constexpr const char* SummaryNamelessCountry = "world.sum lists a country without a name";
inline constexpr const char* SummaryNotRising =
    "the countries of world.sum do not point to their cities in order";
inline constexpr const char* SummaryPastTheEnd = "world.sum points past the end of IndexWorld.zav";
inline constexpr const char* CityRecordNotAPlace =
    "IndexWorld.zav holds cities whose coordinates no place can have; they are left out";
// The credit the About window gives for the world city database.
inline constexpr const char* GeoNamesCredit =
    "The world city database is built from GeoNames (https://www.geonames.org/), licensed under "
    "CC BY 4.0 (https://creativecommons.org/licenses/by/4.0/).";

// The country and city selection page.
inline constexpr const char* CitySelectionTitle = "Country And city selection";
inline constexpr const char* ChoseCountry = "Chose Country";
inline constexpr const char* ChoseCity = "Chose City";
inline constexpr const char* CountryLabel = "Country";
inline constexpr const char* CurrentCountryLabel = "Current Country: ";
inline constexpr const char* CountryDisplayInitial = "COUNTRY NAME";
inline constexpr const char* CityNameGroup = "City Name";
inline constexpr const char* CityFirstCharacterLabel = "City First Character:";
inline constexpr const char* CityNameLabel = "City Name";
inline constexpr const char* CurrentCityLabel = "Current City:";
inline constexpr const char* CityDisplayInitial = "CURRENT CITY";
inline constexpr const char* NotFoundButton = "&Not Found? Press Here...";
// The country name that the page refuses at OK; the database's last summary record carries it
// so that the "Chose Country" placeholder leads to the refusal.
inline constexpr const char* InvalidCountryName = "Not Valid";
inline constexpr const char* CountryNotSelected =
    "Country was not yet selected - Please select country first!";
inline constexpr const char* CityListError = "Error Occurred while building the city list!!";
inline constexpr const char* CityListNoMemory = "No Enough memory to list all of the Cities !!";
inline constexpr const char* NoCityWithLetter =
    "No City with that letter, please choose another one";
// salvenor-cli, when the chosen country has no city records at all.
inline constexpr const char* NoCitiesInCountry = "The database lists no city for that country";
inline constexpr const char* InvalidCountry =
    "Invalid Country..please select a valid country from the country list";
// OK with a newly chosen country and no city of it: the sheet stays open.
inline constexpr const char* CityOfNewCountryNotChosen =
    "Please choose a city of the new country from the city list, or press \"Not Found? Press "
    "Here...\" to type its coordinates.";
// Where the record names no place yet (a cancelled first run): the bar's title and today's page.
inline constexpr const char* NoPlaceTitle = "Choose your city: menu, Setup...";
inline constexpr const char* NoPlacePageName = "no city chosen yet (menu, Setup...)";
// The wait window shown while the country list is read.
inline constexpr const char* WaitTitle = "Salvenor (ZAV)";
inline constexpr const char* WaitText = "Reading configurations.... Please wait!";

// --- HTML pages ---------------------------------------------------------------------------------
// The month pages' file error, and the today page's: its fixed line, an empty line and the
// "Cannot open file" line.
inline constexpr const char* PageFileError = "File Error...you may need to re-install ZAV again!!!";
inline constexpr const char* TodayPageFileError =
    "File Error...you may need to re-install ZAV again!!!\n\n%s";
inline constexpr const char* CannotOpenFile = "Cannot open file %s";
// The today window (so spelled) and its button.
inline constexpr const char* TodayWindowTitle = "Today Pryer Times";
inline constexpr const char* TodayWindowOk = "OK";
// The conventions as the today page names them, indexed by calculationWay.
inline constexpr const char* TodayPageWayNames[4] = {
    "Egyptian General Organisation of Surveying", "Makkah Um Ul-Qura",
    "IslamicSocietyofNorthAmerica (ISNA)", "World Islamic League"};

// --- Settings and small windows -----------------------------------------------------------------
// The project's own addresses, shown by the website reminder and in the pictures.
inline constexpr const char* WebsiteAddress = "https://salvenor.example.org/";
inline constexpr const char* SupportMailAddress = "support@salvenor.example.org";
// The About window: its title, what its picture says, and the licence and credits beneath it.
inline constexpr const char* AboutTitle = "About Salvenor Version 2.0";
inline constexpr const char* AboutProductName = "Salvenor";
inline constexpr const char* AboutVersion = "Version 2.0";
inline constexpr const char* AboutRelease = "Released December 2026";
inline constexpr const char* AboutTagline = "Prayer times for your desktop";
// The version of this build, beneath the credits (%1: the package's version, as in salvenor-cli
// --version).
inline constexpr const char* AboutPackageVersion = "Package version %1";
inline constexpr const char* AboutCopyright = "Copyright (C) 2026 The Salvenor developers";
inline constexpr const char* LicenceNotice =
    "Salvenor is free software: you can redistribute it and/or modify it under the terms of the "
    "GNU General Public License, version 3 or (at your option) any later version "
    "(GPL-3.0-or-later). It comes with no warranty.";
// The first-run notice. The first two texts end with a blank.
inline constexpr const char* InitInstallationTitle = "Salvenor (ZAV) New Installation Setup";
inline constexpr const char* InitInstallationHeading = "ZAV INITIAL SETUP";
inline constexpr const char* InitInstallationText1 =
    "You will need to enter the COUNTRY NAME and the CITY NAME so that the ZAV can adjust prayer "
    "times to your location. ";
inline constexpr const char* InitInstallationText2 =
    "In the coming dialog, please select those settings carefuly. You can change that at any "
    "time from the \"Setup\" menu. ";
inline constexpr const char* InitInstallationText3 =
    "Press \"Continue\" to begin the setings or Exit if you wish to cancel Setup (Note if you "
    "cancel, a default setup will be put for you which might not be correct";
inline constexpr const char* ContinueButton = "Continue...";
inline constexpr const char* ExitSetupButton = "Exit !";
// The website reminder at the end of first-run setup.
inline constexpr const char* WebsiteReminderTitle = "Reminder";
inline constexpr const char* VisitWebsite = "Please visit our website at:";
inline constexpr const char* SendUsMail =
    "For support, questions, suggestions or comments please send us an email on";
// The notice for what this release lacks, and what its picture says.
inline constexpr const char* NotSupportedTitle = "Not Supported !!";
inline constexpr const char* NotSupportedHeadline = "Not supported yet";
inline constexpr const char* NotSupportedText = "This feature is not part of this release.";
inline constexpr const char* NotSupportedNews = "News of future releases:";
// Field exchange: the settings windows' validation messages (exclamation icon, window kept open).
inline constexpr const char* EnterNumber = "Please enter a number.";
inline constexpr const char* EnterInteger = "Please enter an integer.";
inline constexpr const char* EnterPositiveInteger = "Please enter a positive integer.";
// %1 and %2 are the bounds.
inline constexpr const char* EnterIntegerBetween = "Please enter an integer between %1 and %2.";
inline constexpr const char* EnterNumberBetween = "Please enter a number between %1 and %2.";
// Buttons of the settings dialogs and sheets.
inline constexpr const char* OkButton = "OK";
inline constexpr const char* CancelButton = "Cancel";
// The Location Positioning dialog; the labels hold two blanks after "Enter".
inline constexpr const char* LocationTitle = "Location Positioning";
inline constexpr const char* LocationPlaceInitial = "CityName";
inline constexpr const char* LocationPlaceSeparator = " - ";
inline constexpr const char* CityCoordinatesGroup = "City Coordinates";
inline constexpr const char* EnterLongitude = "Enter  Longitude:";
inline constexpr const char* EnterLatitude = "Enter  Latitude:";
inline constexpr const char* EnterAltitude = "Enter  Altitude";
inline constexpr const char* DecimalUnit = "Decimal";
// Said once a run by the athan window, and by the Options page's play buttons, when the system
// has no sound output device.
inline constexpr const char* NoSoundDevice = "No sound device: the athan cannot be heard.";
inline constexpr const char* CoordinateSigns =
    "North and east are positive, south and west negative (73.95 W is -73.95).";
inline constexpr const char* MetersUnit = "(Meters)";
// The Advanced Setup page (the convention labels are CalculationWayNames).
inline constexpr const char* AdvancedSetupTitle = "Advanced Setup";
inline constexpr const char* TimeZoneGroup = "Time Zone";
inline constexpr const char* FollowWindows = "&Follow Windows";
inline constexpr const char* CustomOffset = "Custom:";
inline constexpr const char* GmtUnit = "GMT";
inline constexpr const char* CalculationWayGroup = "Calculation Way";
// The conventions of the world's authorities as the Calculation page lists them (the rows of
// Conventions() in core/calculation_options.cpp).
inline constexpr const char* ConventionKarachi = "University of Islamic Sciences, Karachi";
inline constexpr const char* ConventionKuwait = "Kuwait";
inline constexpr const char* ConventionQatar = "Qatar";
inline constexpr const char* ConventionDubai = "Dubai (United Arab Emirates)";
inline constexpr const char* ConventionSingapore = "Singapore (MUIS)";
inline constexpr const char* ConventionTehran = "Institute of Geophysics, University of Tehran";
inline constexpr const char* ConventionTurkey = "Diyanet, Turkey";
inline constexpr const char* ConventionMoonsighting = "Moonsighting Committee Worldwide";
inline constexpr const char* ConventionUmmAlQura = "Umm al-Qura, Makkah";
inline constexpr const char* ConventionMwl = "Muslim World League";
inline constexpr const char* ConventionIsna = "Islamic Society of North America (ISNA)";
inline constexpr const char* ConventionEgypt = "Egyptian General Authority of Survey";

// The month calendar window. The blanks in the Edit menu's labels are part of them: the key names
// are text, not shortcuts.
inline constexpr const char* MonthCalendarTitle = "Month Calendar";
inline constexpr const char* SelectMonthLabel = "Select Month:";
inline constexpr const char* SelectYearLabel = "Select Year:";
inline constexpr const char* HijriRadio = "Hijri";
inline constexpr const char* GeorgianRadio = "Georgian";
inline constexpr const char* CalendarPrintButton = "Print...";
inline constexpr const char* CalendarCloseButton = "Close";
inline constexpr const char* FileMenu = "&File";
inline constexpr const char* SaveAsItem = "&Save As...";
inline constexpr const char* PrintItem = "&Print";
inline constexpr const char* PrintPreviewItem = "Print Pre&view";
inline constexpr const char* CloseItem = "&Close";
inline constexpr const char* EditMenu = "Edit";
inline constexpr const char* CopyItem = "&Copy               Ctrl+C";
inline constexpr const char* SelectAllItem = "Select &All        Ctrl+A";
inline constexpr const char* FindItem = "&Find";
inline constexpr const char* FormatMenu = "Format";
inline constexpr const char* FontItem = "Font...";
// The years the window refuses, shown beside the year while it is out of range.
inline constexpr const char* HijriRangeNote =
    "The Hijri calendar here runs from Muharram of the year 1 to the year 9999.";
inline constexpr const char* GregorianRangeNote =
    "The Gregorian calendar here runs from August 622 to the year 9999.";
// Saving the shown page.
inline constexpr const char* SavePageTitle = "Save Page As";
inline constexpr const char* SavePageFilter = "HTML page (*.html *.htm)";
// %1 is the file chosen.
inline constexpr const char* SavePageFailed = "The page could not be saved as %1.";
// Names that screen readers announce for the controls without a label of their own.
inline constexpr const char* MonthListName = "Month";
inline constexpr const char* YearEditName = "Year";
inline constexpr const char* NextYearName = "Next year";
inline constexpr const char* PreviousYearName = "Previous year";
inline constexpr const char* NextMonthName = "Next month";
inline constexpr const char* PreviousMonthName = "Previous month";
inline constexpr const char* CalendarKindName = "Calendar";
inline constexpr const char* CalendarPageName = "Calendar page";
inline constexpr const char* CalendarMenuBarName = "Menu bar";
inline constexpr const char* RangeNoteName = "Year range";
// The find bar under a page.
inline constexpr const char* FindLabel = "Fi&nd:";
inline constexpr const char* FindFieldName = "Text to find";
inline constexpr const char* FindNextButton = "Ne&xt";
inline constexpr const char* FindPreviousButton = "Pre&vious";
inline constexpr const char* FindCloseButton = "Close find bar";
inline constexpr const char* FindCloseSymbol = "\u2715";  // a multiplication x
inline constexpr const char* FindStatusName = "Find result";
inline constexpr const char* FindNotFound = "Not found";
inline constexpr const char* FindWrappedToTop =
    "Reached the end of the page, continued from the top";
inline constexpr const char* FindWrappedToBottom =
    "Reached the start of the page, continued from the bottom";
// --- Options sheet ------------------------------------------------------------------------------
// The "Athan & Reminder Settings" page.
inline constexpr const char* AthanSettingsTitle = "Athan & Reminder Settings";
inline constexpr const char* AthanFileLabel = "All Prayer Athan File (WAV)";
inline constexpr const char* FajrAthanFileLabel = "Fajr Prayer Athan File (WAV):";
inline constexpr const char* BrowseButton = "Browse...";
// Shown on two lines.
inline constexpr const char* ShowAthanAlertCheck =
    "Display Athan Dialog and Play Athan Sound When Prayer Time Comes";
inline constexpr const char* BarOnTopReminderCheck =
    "Bring Time Bar on Top to Remind of Prayer Time";
inline constexpr const char* MuteAllSoundsCheck = "Mute All Sounds";
// Writes or removes the desktop's autostart entry for Salvenor.
inline constexpr const char* StartAtLoginCheck = "Start Salvenor when I &log in";
// %1 is the entry's path.
inline constexpr const char* StartAtLoginFailed =
    "Salvenor could not change its login start entry:\n%1";
// What assistive tools announce for the controls whose face carries no text of its own, or the
// same text twice.
inline constexpr const char* PlayAthanName = "Play or stop the All Prayer Athan";
inline constexpr const char* PlayFajrAthanName = "Play or stop the Fajr Prayer Athan";
inline constexpr const char* BrowseAthanName = "Browse for the All Prayer Athan File";
inline constexpr const char* BrowseFajrAthanName = "Browse for the Fajr Prayer Athan File";
// The sound file dialog's filter entries, as shown, each with its pattern.
inline constexpr const char* WaveFilesFilter = "Wave Files (*.wav) ";
inline constexpr const char* WaveFilesPattern = " *.wav";
inline constexpr const char* AllFilesFilter = "All Files (*.*)";
inline constexpr const char* AllFilesPattern = "*.*";

// The "Date Adjustments" page: a Hijri date adjustment this release does not offer.
inline constexpr const char* DateAdjTitle = "Date Adjustments";
inline constexpr const char* DateAdjNotSupported = "Not Supported In this version";
inline constexpr const char* DateAdjOverwrite = "Overwrite the current Hijri date";
inline constexpr const char* DateAdjTodayIs = "Today is:";
inline constexpr const char* DateAdjOf = "of";
inline constexpr const char* ChoseHijriMonth = "Chose Hijri Month";
inline constexpr const char* DateAdjDayName = "Hijri day of month";
inline constexpr const char* DateAdjMonthName = "Hijri month";

// Desktop notifications (the freedesktop notification service, or the tray icon's balloon).
// %1 is the prayer's name; %2 its clock time in the bodies, the minutes before it in the
// warning's summary.
inline constexpr const char* PrayerNoticeSummary = "Time for %1";
inline constexpr const char* PrayerNoticeBody = "%1 at %2";
inline constexpr const char* PrayerWarningSummary = "%1 in %2 minutes";
inline constexpr const char* PrayerWarningBody = "%1 at %2";
// The athan page's second group: the notifications.
inline constexpr const char* NotificationsGroup = "Desktop notifications";
inline constexpr const char* NotifyAtPrayerCheck = "Notify me at each prayer time";
inline constexpr const char* WarnBeforeCheck = "Warn me before each prayer";
inline constexpr const char* WarnMinutesSuffix = " minutes before";
inline constexpr const char* WarnMinutesName = "Minutes of the warning before each prayer";

// The month calendar window's export of the shown month to an iCalendar file.
inline constexpr const char* ExportPrayerTimesItem = "&Export Prayer Times...";
// %1 is the file's path.
inline constexpr const char* ExportPrayerTimesFailed =
    "Salvenor could not write the prayer times to:\n%1";
inline constexpr const char* CalendarFilesFilter = "iCalendar Files (*.ics)";
// An exported event's description and its alarm's text (printf: the prayer's name, then its
// clock time, or the minutes before it).
inline constexpr const char* IcsEventDescription = "%s at %s";
inline constexpr const char* IcsAlarmDescription = "%s in %d minutes";

// The Qibla: the bearing in whole degrees and the compass word.
inline constexpr const char* QiblaBearingText = "%ld degrees, %s";
inline constexpr const char* CompassN = "north";
inline constexpr const char* CompassNNE = "north-north-east";
inline constexpr const char* CompassNE = "north-east";
inline constexpr const char* CompassENE = "east-north-east";
inline constexpr const char* CompassE = "east";
inline constexpr const char* CompassESE = "east-south-east";
inline constexpr const char* CompassSE = "south-east";
inline constexpr const char* CompassSSE = "south-south-east";
inline constexpr const char* CompassS = "south";
inline constexpr const char* CompassSSW = "south-south-west";
inline constexpr const char* CompassSW = "south-west";
inline constexpr const char* CompassWSW = "west-south-west";
inline constexpr const char* CompassW = "west";
inline constexpr const char* CompassWNW = "west-north-west";
inline constexpr const char* CompassNW = "north-west";
inline constexpr const char* CompassNNW = "north-north-west";

// --- The Calculation page of the Setup sheet -----------------------------------------------------
inline constexpr const char* CalculationTitle = "Calculation";
// What the today page and the Calculation page call the custom convention.
inline constexpr const char* CustomConventionLabel = "Custom angles";
inline constexpr const char* CalcConventionLabel = "&Convention:";
inline constexpr const char* CalcBuiltInWay = "The built-in way of Advanced Setup";
inline constexpr const char* CalcConventionHelp =
    "Whose angles give Fajr and Isha: the built-in way, a published convention, or your own.";
inline constexpr const char* CalcFajrAngleLabel = "&Fajr angle:";
inline constexpr const char* CalcIshaAngleLabel = "&Isha angle:";
inline constexpr const char* CalcIshaMinutesLabel = "or Isha &minutes after Maghrib:";
inline constexpr const char* CalcCustomHelp =
    "Custom: the sun's depression at Fajr and Isha, or Isha a fixed time after Maghrib "
    "(0: by angle).";
inline constexpr const char* CalcAsrLabel = "&Asr:";
inline constexpr const char* CalcAsrStandard = "Standard (Shafi'i, Maliki, Hanbali)";
inline constexpr const char* CalcAsrHanafi = "Hanafi";
inline constexpr const char* CalcAsrHelp =
    "Asr begins when a shadow is one object length longer than at noon, or two (Hanafi).";
inline constexpr const char* CalcMinutesLabel = "Minutes added:";
inline constexpr const char* CalcMinutesHelp =
    "Minutes (-30 to 30) added to each time, as your mosque's timetable does.";
// The accessible name of each minutes field; %1 is the prayer's name.
inline constexpr const char* CalcMinutesName = "Minutes added to %1";
inline constexpr const char* CalcHighLatitudeLabel = "&High latitudes:";
inline constexpr const char* CalcHighLatitudeSeventh = "A seventh of the night";
inline constexpr const char* CalcHighLatitudeMiddle = "The middle of the night";
inline constexpr const char* CalcHighLatitudeAngle = "The angle's share of the night";
inline constexpr const char* CalcHighLatitudeHelp =
    "Fajr and Isha where the sun does not sink to their angle (summer nights far north).";
inline constexpr const char* CalcSunLabel = "&Sun:";
inline constexpr const char* CalcSunTable = "The built-in table";
inline constexpr const char* CalcSunComputed = "Computed for the date";
inline constexpr const char* CalcSunHelp =
    "The sun's place from the built-in table of one year, or computed for each date.";
inline constexpr const char* CalcHijriLabel = "Hijri &day adjustment:";
inline constexpr const char* CalcHijriHelp =
    "Days (-2 to 2) added to the Hijri date, to follow the local moon sighting.";
inline constexpr const char* CalcPreviewLabel = "Today's times with these choices:";
// The proposal after a country is picked: %1 the country, %2 the convention.
inline constexpr const char* CalcProposal =
    "Proposed for %1: %2. OK confirms it; Cancel keeps your choice.";
// The Advanced Setup page, when a convention of the Calculation page is in force; %1 names it.
inline constexpr const char* AdvancedConventionInForce =
    "In force: %1 (chosen on the Calculation page).";

}  // namespace salvenor::texts
