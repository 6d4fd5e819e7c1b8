// Every text the program shows a user, word for word, in one place. Each subsystem has its own
// section; keep a text here even when only one window uses it.
#pragma once

// Every text below is marked for Qt's lupdate, under the context "salvenor" (UiTextContext in
// platform/qt/ui_text.h); the standard-C++ layers see the English text itself.
#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(scope, x) x
#endif

namespace salvenor::texts {

inline constexpr const char* AppTitle = "Salvenor";

// --- Configuration file -------------------------------------------------------------------------
inline constexpr const char* DiskReadError = QT_TRANSLATE_NOOP(
    "salvenor",
    "\n   ERROR READING READING DISK.\n\nZAV installation might have been corrupted, try last "
    "operation again!\nIf the problem still exists, you might need to re-install ZAV again");
// Signature and end-marker mismatches carry the trailing blank; a version mismatch does not.
inline constexpr const char* ConfigReadErrorBlank = QT_TRANSLATE_NOOP(
    "salvenor", "Error Reading initialization file...\nProgram needs re-installation!!! ");
inline constexpr const char* ConfigReadError = QT_TRANSLATE_NOOP(
    "salvenor", "Error Reading initialization file...\nProgram needs re-installation!!!");
// A settings sheet's choices kept in salvenor.ini could not be written (%1 the file, %2 why).
inline constexpr const char* SettingsSaveFailed =
    QT_TRANSLATE_NOOP("salvenor",
                      "Your choices could not be saved in %1 (%2). They stay in force until "
                      "Salvenor is closed.");
inline constexpr const char* ConfigSaveError = QT_TRANSLATE_NOOP(
    "salvenor",
    "\n   ERROR SAVING LATEST CONFIGURATION TO THE DISK.\n\nThe disk could be full.Try setting "
    "the same configuration again.\nIf the problem still exists, you might want to restart ZAV "
    "or restart windows!\n");

// A loaded record holds a value no place or zone can have in the fields named (%s: "latitude",
// "longitude, altitude", ...); the program runs on without them.
// First-run setup after a damaged zav.cfg keeps the old file; %s is where it went.
inline constexpr const char* DamagedConfigKept = QT_TRANSLATE_NOOP(
    "salvenor",
    "The configuration file zav.cfg was damaged. It has been kept as\n%s\nand setup now makes a "
    "new one.");
inline constexpr const char* DamagedConfigNotKept = QT_TRANSLATE_NOOP(
    "salvenor",
    "The configuration file zav.cfg is damaged and could not be set aside, so setup has changed "
    "nothing. Move the file away and start Salvenor again.");
inline constexpr const char* ConfigDamagedFields = QT_TRANSLATE_NOOP(
    "salvenor",
    "The configuration file zav.cfg is damaged: its %s cannot be right.\nSalvenor uses the value "
    "of a new installation in its place for now; choose &Setup... from the bar's menu to set it "
    "again.");

// --- Start-up -----------------------------------------------------------------------------------
inline constexpr const char* PathTooLong = QT_TRANSLATE_NOOP(
    "salvenor",
    "  -- ERROR  --\nYour application path is too long   \nplease re-install the application and "
    "select a shorter path\nfor your installation diretory!!");

// --- Prayer bar and alerts ----------------------------------------------------------------------
// The bar's title: the next prayer's name, its 12-hour time and "AM" or "PM".
// The tip shown while the mouse rests on the bar: a line for each of today's times (%1 the
// prayer's name, %2 its time), then the time left to the next prayer (%1 its name, %2 hours,
// %3 minutes; the second form under an hour).
inline constexpr const char* BarTipTimeLine = QT_TRANSLATE_NOOP("salvenor", "%1: %2");
inline constexpr const char* BarTipTimeLeft = QT_TRANSLATE_NOOP("salvenor", "%1 in %2 h %3 min");
inline constexpr const char* BarTipMinutesLeft = QT_TRANSLATE_NOOP("salvenor", "%1 in %2 min");
// The Options sheet's button that brings the bar back to its first place, and its group.
inline constexpr const char* BarPlaceGroup = QT_TRANSLATE_NOOP("salvenor", "Prayer bar");
inline constexpr const char* PutBarInCornerButton =
    QT_TRANSLATE_NOOP("salvenor", "Put the bar back in the corner");
inline constexpr const char* NextPrayerTitle =
    QT_TRANSLATE_NOOP("salvenor", "Next: %s at: %d:%02d %s");
// The item the bar's own window menu (its right click) offers.
inline constexpr const char* AboutBarItem = QT_TRANSLATE_NOOP("salvenor", "&About ZAV...");
// The command menu of the bar's menu button, in its order.
inline constexpr const char* SetupCommand = QT_TRANSLATE_NOOP("salvenor", "&Setup...");
inline constexpr const char* OptionsCommand = QT_TRANSLATE_NOOP("salvenor", "&Options...");
inline constexpr const char* MonthCalendarCommand =
    QT_TRANSLATE_NOOP("salvenor", "&Month Calendar...");
inline constexpr const char* YearCalendarsCommand =
    QT_TRANSLATE_NOOP("salvenor", "&Year Calendars...");
inline constexpr const char* AlwaysOnTopCommand = QT_TRANSLATE_NOOP("salvenor", "Always On &Top");
inline constexpr const char* AboutCommand = QT_TRANSLATE_NOOP("salvenor", "&About...");
inline constexpr const char* ExitCommand = QT_TRANSLATE_NOOP("salvenor", "E&xit");

// The tray icon: its two-line tip, its menu ("Hidden Area") and its questions. The close
// question has nine blanks before and after its first line and four at the end of the second.
inline constexpr const char* TrayTip =
    QT_TRANSLATE_NOOP("salvenor", "Salvenor (ZAV)\n[Double Click for Prayer Times]");
inline constexpr const char* TrayMenuTitle = QT_TRANSLATE_NOOP("salvenor", "Hidden Area");
inline constexpr const char* TodayPrayerTimesItem =
    QT_TRANSLATE_NOOP("salvenor", "Today Prayer Times");
inline constexpr const char* ShowPrayerBarItem = QT_TRANSLATE_NOOP("salvenor", "Show Prayer Bar");
inline constexpr const char* CloseBarQuestion = QT_TRANSLATE_NOOP(
    "salvenor",
    "         Close Prayer Bar?         \n(You can display it again from the task-bar icon)    ");
inline constexpr const char* ExitQuestion =
    QT_TRANSLATE_NOOP("salvenor", "Do you really want to Exit Salvenor?");
// Where the desktop has no notification area: said once, the first time, and when hiding the bar
// is asked for (it could not be shown again).
inline constexpr const char* NoTrayNotice = QT_TRANSLATE_NOOP(
    "salvenor",
    "Your desktop has no notification area, so Salvenor cannot show its tray icon.\n\n"
    "Right-click the prayer bar for \"Today Prayer Times\", \"Show Prayer Bar\" and "
    "\"Exit\". The bar's menu button holds every other command.");
inline constexpr const char* HideRefusedNoTray = QT_TRANSLATE_NOOP(
    "salvenor",
    "The prayer bar stays shown: your desktop has no notification area from which it could be "
    "shown again.\n\nTo let other windows cover it, switch \"Always On Top\" off in the bar's "
    "menu.");

// The athan window.
inline constexpr const char* AthanCaption = QT_TRANSLATE_NOOP("salvenor", "Athan Time - ZAV");
// The prayer's time text and name; the name stands between quote marks with a blank each side,
// and the headline ends in one blank.
inline constexpr const char* AthanHeadline =
    QT_TRANSLATE_NOOP("salvenor", "Its %s -- Time for \" %s \" Prayer ");
// The next prayer's name and time text.
inline constexpr const char* AthanNextPrayer = QT_TRANSLATE_NOOP("salvenor", "%s at %s");
inline constexpr const char* AthanNextSalaLabel = QT_TRANSLATE_NOOP("salvenor", "Next Sala Tme:");
inline constexpr const char* AthanCloseWindow = QT_TRANSLATE_NOOP("salvenor", "Close Window");
inline constexpr const char* AthanStop = QT_TRANSLATE_NOOP("salvenor", "Stop Athan !");
// The reminder window, and the minutes choice both windows share.
inline constexpr const char* ReminderCaption = QT_TRANSLATE_NOOP("salvenor", "Sala Time Reminder");
inline constexpr const char* ReminderLater = QT_TRANSLATE_NOOP("salvenor", "Later (!!)");
inline constexpr const char* ReminderAlreadyPrayed =
    QT_TRANSLATE_NOOP("salvenor", "I have already Prayed");
inline constexpr const char* RemindAgainMeIn = QT_TRANSLATE_NOOP("salvenor", "Remind again me in:");
inline constexpr const char* RemindMinutes = QT_TRANSLATE_NOOP("salvenor", "minutes");
// Names that screen readers announce for controls and windows that show no text of their own.
inline constexpr const char* RemindMinutesName =
    QT_TRANSLATE_NOOP("salvenor", "Minutes until the reminder");
inline constexpr const char* CommandMenuButtonName = QT_TRANSLATE_NOOP("salvenor", "Command menu");
inline constexpr const char* AboutButtonName = QT_TRANSLATE_NOOP("salvenor", "About Salvenor");
inline constexpr const char* SetupSheetName = QT_TRANSLATE_NOOP("salvenor", "Setup");
inline constexpr const char* OptionsSheetName = QT_TRANSLATE_NOOP("salvenor", "Options");
inline constexpr const char* CustomOffsetName =
    QT_TRANSLATE_NOOP("salvenor", "Custom offset from GMT in hours");
inline constexpr const char* TodayPageName = QT_TRANSLATE_NOOP("salvenor", "Today's prayer times");

// --- City database and selection ----------------------------------------------------------------
// Shown by the reader when one letter matches more cities than the list holds, even without the
// minor ones.
inline constexpr const char* TooManyCities =
    QT_TRANSLATE_NOOP("salvenor", "Too Much Cities...not all cities are displayed!!");
// The general error report for a database file that cannot be opened; %1 is the file name as
// opened (".\\world.sum").
inline constexpr const char* FileNotFound = QT_TRANSLATE_NOOP("salvenor", "%1 was not found.");
inline constexpr const char* FileAccessDenied =
    QT_TRANSLATE_NOOP("salvenor", "Access to %1 was denied.");
inline constexpr const char* FileOpenFailed =
    QT_TRANSLATE_NOOP("salvenor", "An unexpected error occurred while opening %1.");
// The database is damaged; %s says how (one of the four texts below).
inline constexpr const char* CityDatabaseDamaged = QT_TRANSLATE_NOOP(
    "salvenor",
    "The world city database is damaged: %s.\nThe country and city lists cannot be trusted; you "
    "might need to re-install ZAV again.");
inline constexpr const char* SummaryNamelessCountry =
    QT_TRANSLATE_NOOP("salvenor", "world.sum lists a country without a name");
inline constexpr const char* SummaryNotRising = QT_TRANSLATE_NOOP(
    "salvenor", "the countries of world.sum do not point to their cities in order");
inline constexpr const char* SummaryPastTheEnd =
    QT_TRANSLATE_NOOP("salvenor", "world.sum points past the end of IndexWorld.zav");
inline constexpr const char* CityRecordNotAPlace = QT_TRANSLATE_NOOP(
    "salvenor",
    "IndexWorld.zav holds cities whose coordinates no place can have; they are left out");
// The credit the About window gives for the world city database.
inline constexpr const char* GeoNamesCredit = QT_TRANSLATE_NOOP(
    "salvenor",
    "The world city database is built from GeoNames (https://www.geonames.org/), licensed under "
    "CC BY 4.0 (https://creativecommons.org/licenses/by/4.0/).");

// The country and city selection page.
// The city search beside the letters: any part of a name, in the country chosen.
inline constexpr const char* CitySearchLabel = QT_TRANSLATE_NOOP("salvenor", "Or &search:");
inline constexpr const char* CitySearchPlaceholder =
    QT_TRANSLATE_NOOP("salvenor", "Any part of the name");
inline constexpr const char* CitySearchResultsName = QT_TRANSLATE_NOOP("salvenor", "Cities found");
// %1 is the city's name, %2 its coordinates ("22.15 N, 100.98 W").
inline constexpr const char* CitySearchResult = QT_TRANSLATE_NOOP("salvenor", "%1   (%2)");
inline constexpr const char* CitySearchNothingFound =
    QT_TRANSLATE_NOOP("salvenor", "No city of this country has that name.");
// %1 is the number shown, %2 the number found.
inline constexpr const char* CitySearchMoreFound =
    QT_TRANSLATE_NOOP("salvenor", "The first %1 of %2 cities: type more to see the others.");
inline constexpr const char* CitySelectionTitle =
    QT_TRANSLATE_NOOP("salvenor", "Country And city selection");
inline constexpr const char* ChoseCountry = QT_TRANSLATE_NOOP("salvenor", "Chose Country");
inline constexpr const char* ChoseCity = QT_TRANSLATE_NOOP("salvenor", "Chose City");
inline constexpr const char* CountryLabel = QT_TRANSLATE_NOOP("salvenor", "Country");
inline constexpr const char* CurrentCountryLabel =
    QT_TRANSLATE_NOOP("salvenor", "Current Country: ");
inline constexpr const char* CountryDisplayInitial = QT_TRANSLATE_NOOP("salvenor", "COUNTRY NAME");
inline constexpr const char* CityNameGroup = QT_TRANSLATE_NOOP("salvenor", "City Name");
inline constexpr const char* CityFirstCharacterLabel =
    QT_TRANSLATE_NOOP("salvenor", "City First Character:");
inline constexpr const char* CityNameLabel = QT_TRANSLATE_NOOP("salvenor", "City Name");
inline constexpr const char* CurrentCityLabel = QT_TRANSLATE_NOOP("salvenor", "Current City:");
inline constexpr const char* CityDisplayInitial = QT_TRANSLATE_NOOP("salvenor", "CURRENT CITY");
inline constexpr const char* NotFoundButton =
    QT_TRANSLATE_NOOP("salvenor", "&Not Found? Press Here...");
// The country name that the page refuses at OK; the database's last summary record carries it
// so that the "Chose Country" placeholder leads to the refusal.
inline constexpr const char* InvalidCountryName = "Not Valid";
inline constexpr const char* CountryNotSelected =
    QT_TRANSLATE_NOOP("salvenor", "Country was not yet selected - Please select country first!");
inline constexpr const char* CityListError =
    QT_TRANSLATE_NOOP("salvenor", "Error Occurred while building the city list!!");
inline constexpr const char* CityListNoMemory =
    QT_TRANSLATE_NOOP("salvenor", "No Enough memory to list all of the Cities !!");
inline constexpr const char* NoCityWithLetter =
    QT_TRANSLATE_NOOP("salvenor", "No City with that letter, please choose another one");
// salvenor-cli, when the chosen country has no city records at all.
inline constexpr const char* NoCitiesInCountry =
    QT_TRANSLATE_NOOP("salvenor", "The database lists no city for that country");
inline constexpr const char* InvalidCountry = QT_TRANSLATE_NOOP(
    "salvenor", "Invalid Country..please select a valid country from the country list");
// OK with a newly chosen country and no city of it: the sheet stays open.
inline constexpr const char* CityOfNewCountryNotChosen = QT_TRANSLATE_NOOP(
    "salvenor",
    "Please choose a city of the new country from the city list, or press \"Not Found? Press "
    "Here...\" to type its coordinates.");
// Where the record names no place yet (a cancelled first run): the bar's title and today's page.
inline constexpr const char* NoPlaceTitle =
    QT_TRANSLATE_NOOP("salvenor", "Choose your city: menu, Setup...");
inline constexpr const char* NoPlacePageName =
    QT_TRANSLATE_NOOP("salvenor", "no city chosen yet (menu, Setup...)");
// The wait window shown while the country list is read.
inline constexpr const char* WaitTitle = QT_TRANSLATE_NOOP("salvenor", "Salvenor (ZAV)");
inline constexpr const char* WaitText =
    QT_TRANSLATE_NOOP("salvenor", "Reading configurations.... Please wait!");

// --- HTML pages ---------------------------------------------------------------------------------
// The month pages' file error, and the today page's: its fixed line, an empty line and the
// "Cannot open file" line.
inline constexpr const char* PageFileError =
    QT_TRANSLATE_NOOP("salvenor", "File Error...you may need to re-install ZAV again!!!");
inline constexpr const char* TodayPageFileError =
    QT_TRANSLATE_NOOP("salvenor", "File Error...you may need to re-install ZAV again!!!\n\n%s");
inline constexpr const char* CannotOpenFile = QT_TRANSLATE_NOOP("salvenor", "Cannot open file %s");
// The today window (so spelled) and its button.
inline constexpr const char* TodayWindowTitle = QT_TRANSLATE_NOOP("salvenor", "Today Pryer Times");
inline constexpr const char* TodayWindowOk = QT_TRANSLATE_NOOP("salvenor", "OK");
// The conventions as the today page names them, indexed by calculationWay.
inline constexpr const char* TodayPageWayNames[4] = {
    QT_TRANSLATE_NOOP("salvenor", "Egyptian General Organisation of Surveying"),
    QT_TRANSLATE_NOOP("salvenor", "Makkah Um Ul-Qura"),
    QT_TRANSLATE_NOOP("salvenor", "IslamicSocietyofNorthAmerica (ISNA)"),
    QT_TRANSLATE_NOOP("salvenor", "World Islamic League")};

// --- Settings and small windows -----------------------------------------------------------------
// The project's own addresses, shown by the website reminder and in the pictures.
inline constexpr const char* WebsiteAddress = "https://salvenor.example.org/";
inline constexpr const char* SupportMailAddress = "support@salvenor.example.org";
// The About window: its title, what its picture says, and the licence and credits beneath it.
inline constexpr const char* AboutTitle =
    QT_TRANSLATE_NOOP("salvenor", "About Salvenor Version 2.0");
inline constexpr const char* AboutProductName = "Salvenor";
inline constexpr const char* AboutVersion = QT_TRANSLATE_NOOP("salvenor", "Version 2.0");
inline constexpr const char* AboutRelease = QT_TRANSLATE_NOOP("salvenor", "Released December 2026");
inline constexpr const char* AboutTagline =
    QT_TRANSLATE_NOOP("salvenor", "Prayer times for your desktop");
// The version of this build, beneath the credits (%1: the package's version, as in salvenor-cli
// --version).
inline constexpr const char* AboutPackageVersion =
    QT_TRANSLATE_NOOP("salvenor", "Package version %1");
inline constexpr const char* AboutCopyright =
    QT_TRANSLATE_NOOP("salvenor", "Copyright (C) 2026 The Salvenor developers");
inline constexpr const char* LicenceNotice = QT_TRANSLATE_NOOP(
    "salvenor",
    "Salvenor is free software: you can redistribute it and/or modify it under the terms of the "
    "GNU General Public License, version 3 or (at your option) any later version "
    "(GPL-3.0-or-later). It comes with no warranty.");
// The first-run notice. The first two texts end with a blank.
inline constexpr const char* InitInstallationTitle =
    QT_TRANSLATE_NOOP("salvenor", "Salvenor (ZAV) New Installation Setup");
inline constexpr const char* InitInstallationHeading =
    QT_TRANSLATE_NOOP("salvenor", "ZAV INITIAL SETUP");
inline constexpr const char* InitInstallationText1 = QT_TRANSLATE_NOOP(
    "salvenor",
    "You will need to enter the COUNTRY NAME and the CITY NAME so that the ZAV can adjust prayer "
    "times to your location. ");
inline constexpr const char* InitInstallationText2 = QT_TRANSLATE_NOOP(
    "salvenor",
    "In the coming dialog, please select those settings carefuly. You can change that at any "
    "time from the \"Setup\" menu. ");
inline constexpr const char* InitInstallationText3 = QT_TRANSLATE_NOOP(
    "salvenor",
    "Press \"Continue\" to begin the setings or Exit if you wish to cancel Setup (Note if you "
    "cancel, a default setup will be put for you which might not be correct");
inline constexpr const char* ContinueButton = QT_TRANSLATE_NOOP("salvenor", "Continue...");
inline constexpr const char* ExitSetupButton = QT_TRANSLATE_NOOP("salvenor", "Exit !");
// The website reminder at the end of first-run setup.
inline constexpr const char* WebsiteReminderTitle = QT_TRANSLATE_NOOP("salvenor", "Reminder");
inline constexpr const char* VisitWebsite =
    QT_TRANSLATE_NOOP("salvenor", "Please visit our website at:");
inline constexpr const char* SendUsMail = QT_TRANSLATE_NOOP(
    "salvenor", "For support, questions, suggestions or comments please send us an email on");
// The notice for what this release lacks, and what its picture says.
inline constexpr const char* NotSupportedTitle = QT_TRANSLATE_NOOP("salvenor", "Not Supported !!");
inline constexpr const char* NotSupportedHeadline =
    QT_TRANSLATE_NOOP("salvenor", "Not supported yet");
inline constexpr const char* NotSupportedText =
    QT_TRANSLATE_NOOP("salvenor", "This feature is not part of this release.");
inline constexpr const char* NotSupportedNews =
    QT_TRANSLATE_NOOP("salvenor", "News of future releases:");
// Field exchange: the settings windows' validation messages (exclamation icon, window kept open).
inline constexpr const char* EnterNumber = QT_TRANSLATE_NOOP("salvenor", "Please enter a number.");
inline constexpr const char* EnterInteger =
    QT_TRANSLATE_NOOP("salvenor", "Please enter an integer.");
inline constexpr const char* EnterPositiveInteger =
    QT_TRANSLATE_NOOP("salvenor", "Please enter a positive integer.");
// %1 and %2 are the bounds.
inline constexpr const char* EnterIntegerBetween =
    QT_TRANSLATE_NOOP("salvenor", "Please enter an integer between %1 and %2.");
inline constexpr const char* EnterNumberBetween =
    QT_TRANSLATE_NOOP("salvenor", "Please enter a number between %1 and %2.");
// Buttons of the settings dialogs and sheets.
inline constexpr const char* OkButton = QT_TRANSLATE_NOOP("salvenor", "OK");
inline constexpr const char* CancelButton = QT_TRANSLATE_NOOP("salvenor", "Cancel");
// The Location Positioning dialog; the labels hold two blanks after "Enter".
inline constexpr const char* LocationTitle = QT_TRANSLATE_NOOP("salvenor", "Location Positioning");
inline constexpr const char* LocationPlaceInitial = QT_TRANSLATE_NOOP("salvenor", "CityName");
inline constexpr const char* LocationPlaceSeparator = " - ";
inline constexpr const char* CityCoordinatesGroup =
    QT_TRANSLATE_NOOP("salvenor", "City Coordinates");
inline constexpr const char* EnterLongitude = QT_TRANSLATE_NOOP("salvenor", "Enter  Longitude:");
inline constexpr const char* EnterLatitude = QT_TRANSLATE_NOOP("salvenor", "Enter  Latitude:");
inline constexpr const char* EnterAltitude = QT_TRANSLATE_NOOP("salvenor", "Enter  Altitude");
inline constexpr const char* DecimalUnit = QT_TRANSLATE_NOOP("salvenor", "Decimal");
// Said once a run by the athan window, and by the Options page's play buttons, when the system
// has no sound output device.
inline constexpr const char* NoSoundDevice =
    QT_TRANSLATE_NOOP("salvenor", "No sound device: the athan cannot be heard.");
inline constexpr const char* CoordinateSigns = QT_TRANSLATE_NOOP(
    "salvenor", "North and east are positive, south and west negative (73.95 W is -73.95).");
inline constexpr const char* MetersUnit = QT_TRANSLATE_NOOP("salvenor", "(Meters)");
// The Advanced Setup page (the convention labels are CalculationWayNames).
// The conventions of the world's authorities as the Calculation page lists them (the rows of
// Conventions() in core/calculation_options.cpp).
inline constexpr const char* ConventionKarachi =
    QT_TRANSLATE_NOOP("salvenor", "University of Islamic Sciences, Karachi");
inline constexpr const char* ConventionKuwait = QT_TRANSLATE_NOOP("salvenor", "Kuwait");
inline constexpr const char* ConventionQatar = QT_TRANSLATE_NOOP("salvenor", "Qatar");
inline constexpr const char* ConventionDubai =
    QT_TRANSLATE_NOOP("salvenor", "Dubai (United Arab Emirates)");
inline constexpr const char* ConventionSingapore =
    QT_TRANSLATE_NOOP("salvenor", "Singapore (MUIS)");
inline constexpr const char* ConventionTehran =
    QT_TRANSLATE_NOOP("salvenor", "Institute of Geophysics, University of Tehran");
inline constexpr const char* ConventionTurkey = QT_TRANSLATE_NOOP("salvenor", "Diyanet, Turkey");
inline constexpr const char* ConventionMoonsighting =
    QT_TRANSLATE_NOOP("salvenor", "Moonsighting Committee Worldwide");
inline constexpr const char* ConventionUmmAlQura =
    QT_TRANSLATE_NOOP("salvenor", "Umm al-Qura, Makkah");
inline constexpr const char* ConventionMwl = QT_TRANSLATE_NOOP("salvenor", "Muslim World League");
inline constexpr const char* ConventionIsna =
    QT_TRANSLATE_NOOP("salvenor", "Islamic Society of North America (ISNA)");
inline constexpr const char* ConventionEgypt =
    QT_TRANSLATE_NOOP("salvenor", "Egyptian General Authority of Survey");
inline constexpr const char* AdvancedSetupTitle = QT_TRANSLATE_NOOP("salvenor", "Advanced Setup");
inline constexpr const char* TimeZoneGroup = QT_TRANSLATE_NOOP("salvenor", "Time Zone");
inline constexpr const char* FollowWindows = QT_TRANSLATE_NOOP("salvenor", "&Follow Windows");
inline constexpr const char* CustomOffset = QT_TRANSLATE_NOOP("salvenor", "Custom:");
inline constexpr const char* GmtUnit = QT_TRANSLATE_NOOP("salvenor", "GMT");
inline constexpr const char* CalculationWayGroup = QT_TRANSLATE_NOOP("salvenor", "Calculation Way");

// The month calendar window. The blanks in the Edit menu's labels are part of them: the key names
// are text, not shortcuts.
inline constexpr const char* MonthCalendarTitle = QT_TRANSLATE_NOOP("salvenor", "Month Calendar");
inline constexpr const char* SelectMonthLabel = QT_TRANSLATE_NOOP("salvenor", "Select Month:");
inline constexpr const char* SelectYearLabel = QT_TRANSLATE_NOOP("salvenor", "Select Year:");
inline constexpr const char* HijriRadio = QT_TRANSLATE_NOOP("salvenor", "Hijri");
inline constexpr const char* GeorgianRadio = QT_TRANSLATE_NOOP("salvenor", "Georgian");
inline constexpr const char* CalendarPrintButton = QT_TRANSLATE_NOOP("salvenor", "Print...");
inline constexpr const char* CalendarCloseButton = QT_TRANSLATE_NOOP("salvenor", "Close");
inline constexpr const char* FileMenu = QT_TRANSLATE_NOOP("salvenor", "&File");
inline constexpr const char* SaveAsItem = QT_TRANSLATE_NOOP("salvenor", "&Save As...");
inline constexpr const char* PrintItem = QT_TRANSLATE_NOOP("salvenor", "&Print");
inline constexpr const char* PrintPreviewItem = QT_TRANSLATE_NOOP("salvenor", "Print Pre&view");
inline constexpr const char* CloseItem = QT_TRANSLATE_NOOP("salvenor", "&Close");
inline constexpr const char* EditMenu = QT_TRANSLATE_NOOP("salvenor", "Edit");
inline constexpr const char* CopyItem = QT_TRANSLATE_NOOP("salvenor", "&Copy               Ctrl+C");
inline constexpr const char* SelectAllItem =
    QT_TRANSLATE_NOOP("salvenor", "Select &All        Ctrl+A");
inline constexpr const char* FindItem = QT_TRANSLATE_NOOP("salvenor", "&Find");
inline constexpr const char* FormatMenu = QT_TRANSLATE_NOOP("salvenor", "Format");
inline constexpr const char* FontItem = QT_TRANSLATE_NOOP("salvenor", "Font...");
// The years the window refuses, shown beside the year while it is out of range.
inline constexpr const char* HijriRangeNote = QT_TRANSLATE_NOOP(
    "salvenor", "The Hijri calendar here runs from Muharram of the year 1 to the year 9999.");
inline constexpr const char* GregorianRangeNote = QT_TRANSLATE_NOOP(
    "salvenor", "The Gregorian calendar here runs from August 622 to the year 9999.");
// Saving the shown page.
inline constexpr const char* SavePageTitle = QT_TRANSLATE_NOOP("salvenor", "Save Page As");
inline constexpr const char* SavePageFilter =
    QT_TRANSLATE_NOOP("salvenor", "HTML page (*.html *.htm)");
// %1 is the file chosen.
inline constexpr const char* SavePageFailed =
    QT_TRANSLATE_NOOP("salvenor", "The page could not be saved as %1.");
// Names that screen readers announce for the controls without a label of their own.
inline constexpr const char* MonthListName = QT_TRANSLATE_NOOP("salvenor", "Month");
inline constexpr const char* YearEditName = QT_TRANSLATE_NOOP("salvenor", "Year");
inline constexpr const char* NextYearName = QT_TRANSLATE_NOOP("salvenor", "Next year");
inline constexpr const char* PreviousYearName = QT_TRANSLATE_NOOP("salvenor", "Previous year");
inline constexpr const char* NextMonthName = QT_TRANSLATE_NOOP("salvenor", "Next month");
inline constexpr const char* PreviousMonthName = QT_TRANSLATE_NOOP("salvenor", "Previous month");
inline constexpr const char* CalendarKindName = QT_TRANSLATE_NOOP("salvenor", "Calendar");
inline constexpr const char* CalendarPageName = QT_TRANSLATE_NOOP("salvenor", "Calendar page");
inline constexpr const char* CalendarMenuBarName = QT_TRANSLATE_NOOP("salvenor", "Menu bar");
inline constexpr const char* RangeNoteName = QT_TRANSLATE_NOOP("salvenor", "Year range");
// The find bar under a page.
inline constexpr const char* FindLabel = QT_TRANSLATE_NOOP("salvenor", "Fi&nd:");
inline constexpr const char* FindFieldName = QT_TRANSLATE_NOOP("salvenor", "Text to find");
inline constexpr const char* FindNextButton = QT_TRANSLATE_NOOP("salvenor", "Ne&xt");
inline constexpr const char* FindPreviousButton = QT_TRANSLATE_NOOP("salvenor", "Pre&vious");
inline constexpr const char* FindCloseButton = QT_TRANSLATE_NOOP("salvenor", "Close find bar");
inline constexpr const char* FindCloseSymbol = "\u2715";  // a multiplication x
inline constexpr const char* FindStatusName = QT_TRANSLATE_NOOP("salvenor", "Find result");
inline constexpr const char* FindNotFound = QT_TRANSLATE_NOOP("salvenor", "Not found");
inline constexpr const char* FindWrappedToTop =
    QT_TRANSLATE_NOOP("salvenor", "Reached the end of the page, continued from the top");
inline constexpr const char* FindWrappedToBottom =
    QT_TRANSLATE_NOOP("salvenor", "Reached the start of the page, continued from the bottom");
// --- Options sheet ------------------------------------------------------------------------------
// The "Athan & Reminder Settings" page.
inline constexpr const char* AthanSettingsTitle =
    QT_TRANSLATE_NOOP("salvenor", "Athan & Reminder Settings");
inline constexpr const char* AthanFileLabel =
    QT_TRANSLATE_NOOP("salvenor", "All Prayer Athan File (WAV)");
inline constexpr const char* FajrAthanFileLabel =
    QT_TRANSLATE_NOOP("salvenor", "Fajr Prayer Athan File (WAV):");
inline constexpr const char* BrowseButton = QT_TRANSLATE_NOOP("salvenor", "Browse...");
// Shown on two lines.
inline constexpr const char* ShowAthanAlertCheck = QT_TRANSLATE_NOOP(
    "salvenor", "Display Athan Dialog and Play Athan Sound When Prayer Time Comes");
inline constexpr const char* BarOnTopReminderCheck =
    QT_TRANSLATE_NOOP("salvenor", "Bring Time Bar on Top to Remind of Prayer Time");
inline constexpr const char* MuteAllSoundsCheck = QT_TRANSLATE_NOOP("salvenor", "Mute All Sounds");
// Writes or removes the desktop's autostart entry for Salvenor.
inline constexpr const char* StartAtLoginCheck =
    QT_TRANSLATE_NOOP("salvenor", "Start Salvenor when I &log in");
// %1 is the entry's path.
inline constexpr const char* StartAtLoginFailed =
    QT_TRANSLATE_NOOP("salvenor", "Salvenor could not change its login start entry:\n%1");
// What assistive tools announce for the controls whose face carries no text of its own, or the
// same text twice.
inline constexpr const char* PlayAthanName =
    QT_TRANSLATE_NOOP("salvenor", "Play or stop the All Prayer Athan");
inline constexpr const char* PlayFajrAthanName =
    QT_TRANSLATE_NOOP("salvenor", "Play or stop the Fajr Prayer Athan");
inline constexpr const char* BrowseAthanName =
    QT_TRANSLATE_NOOP("salvenor", "Browse for the All Prayer Athan File");
inline constexpr const char* BrowseFajrAthanName =
    QT_TRANSLATE_NOOP("salvenor", "Browse for the Fajr Prayer Athan File");
// The sound file dialog's filter entries, as shown, each with its pattern.
inline constexpr const char* WaveFilesFilter = QT_TRANSLATE_NOOP("salvenor", "Wave Files (*.wav) ");
inline constexpr const char* WaveFilesPattern = " *.wav";
inline constexpr const char* AllFilesFilter = QT_TRANSLATE_NOOP("salvenor", "All Files (*.*)");
inline constexpr const char* AllFilesPattern = "*.*";

// The language of the windows, at the bottom of the athan page: the system's, English, or a
// shipped one (each in its own name).
inline constexpr const char* LanguageGroup = QT_TRANSLATE_NOOP("salvenor", "Language");
inline constexpr const char* SystemLanguage = QT_TRANSLATE_NOOP("salvenor", "System");
inline constexpr const char* EnglishLanguage = "English";
inline constexpr const char* LanguageNote =
    QT_TRANSLATE_NOOP("salvenor", "The new language is used as soon as you press OK.");

// The "Date Adjustments" page: a Hijri date adjustment this release does not offer.
inline constexpr const char* DateAdjTitle = QT_TRANSLATE_NOOP("salvenor", "Date Adjustments");
inline constexpr const char* DateAdjNotSupported =
    QT_TRANSLATE_NOOP("salvenor", "Not Supported In this version");
inline constexpr const char* DateAdjOverwrite =
    QT_TRANSLATE_NOOP("salvenor", "Overwrite the current Hijri date");
inline constexpr const char* DateAdjTodayIs = QT_TRANSLATE_NOOP("salvenor", "Today is:");
inline constexpr const char* DateAdjOf = QT_TRANSLATE_NOOP("salvenor", "of");
inline constexpr const char* ChoseHijriMonth = QT_TRANSLATE_NOOP("salvenor", "Chose Hijri Month");
inline constexpr const char* DateAdjDayName = QT_TRANSLATE_NOOP("salvenor", "Hijri day of month");
inline constexpr const char* DateAdjMonthName = QT_TRANSLATE_NOOP("salvenor", "Hijri month");

// --- Texts that stay English in every language --------------------------------------------------
// The one list of them: names, addresses, file patterns and marks, and the placeholder country the
// city database itself carries. They are not marked for translation; the translation test skips
// them.
inline constexpr const char* StaysEnglish[] = {
    AppTitle,        WebsiteAddress,   SupportMailAddress, FindCloseSymbol,        WaveFilesPattern,
    AllFilesPattern, AboutProductName, InvalidCountryName, LocationPlaceSeparator, EnglishLanguage};

// Desktop notifications (the freedesktop notification service, or the tray icon's balloon).
// %1 is the prayer's name; %2 its clock time in the bodies, the minutes before it in the
// warning's summary.
inline constexpr const char* PrayerNoticeSummary = QT_TRANSLATE_NOOP("salvenor", "Time for %1");
inline constexpr const char* PrayerNoticeBody = QT_TRANSLATE_NOOP("salvenor", "%1 at %2");
inline constexpr const char* PrayerWarningSummary =
    QT_TRANSLATE_NOOP("salvenor", "%1 in %2 minutes");
inline constexpr const char* PrayerWarningBody = QT_TRANSLATE_NOOP("salvenor", "%1 at %2");
// The athan page's second group: the notifications.
inline constexpr const char* NotificationsGroup =
    QT_TRANSLATE_NOOP("salvenor", "Desktop notifications");
inline constexpr const char* NotifyAtPrayerCheck =
    QT_TRANSLATE_NOOP("salvenor", "Notify me at each prayer time");
inline constexpr const char* WarnBeforeCheck =
    QT_TRANSLATE_NOOP("salvenor", "Warn me before each prayer");
inline constexpr const char* WarnMinutesSuffix = QT_TRANSLATE_NOOP("salvenor", " minutes before");
inline constexpr const char* WarnMinutesName =
    QT_TRANSLATE_NOOP("salvenor", "Minutes of the warning before each prayer");

// The month calendar window's export of the shown month to an iCalendar file.
inline constexpr const char* ExportPrayerTimesItem =
    QT_TRANSLATE_NOOP("salvenor", "&Export Prayer Times...");
// %1 is the file's path.
inline constexpr const char* ExportPrayerTimesFailed =
    QT_TRANSLATE_NOOP("salvenor", "Salvenor could not write the prayer times to:\n%1");
inline constexpr const char* CalendarFilesFilter =
    QT_TRANSLATE_NOOP("salvenor", "iCalendar Files (*.ics)");
// An exported event's description and its alarm's text (printf: the prayer's name, then its
// clock time, or the minutes before it).
inline constexpr const char* IcsEventDescription = QT_TRANSLATE_NOOP("salvenor", "%s at %s");
inline constexpr const char* IcsAlarmDescription =
    QT_TRANSLATE_NOOP("salvenor", "%s in %d minutes");

// The Qibla: the bearing in whole degrees and the compass word.
inline constexpr const char* QiblaBearingText = QT_TRANSLATE_NOOP("salvenor", "%ld degrees, %s");
inline constexpr const char* CompassN = QT_TRANSLATE_NOOP("salvenor", "north");
inline constexpr const char* CompassNNE = QT_TRANSLATE_NOOP("salvenor", "north-north-east");
inline constexpr const char* CompassNE = QT_TRANSLATE_NOOP("salvenor", "north-east");
inline constexpr const char* CompassENE = QT_TRANSLATE_NOOP("salvenor", "east-north-east");
inline constexpr const char* CompassE = QT_TRANSLATE_NOOP("salvenor", "east");
inline constexpr const char* CompassESE = QT_TRANSLATE_NOOP("salvenor", "east-south-east");
inline constexpr const char* CompassSE = QT_TRANSLATE_NOOP("salvenor", "south-east");
inline constexpr const char* CompassSSE = QT_TRANSLATE_NOOP("salvenor", "south-south-east");
inline constexpr const char* CompassS = QT_TRANSLATE_NOOP("salvenor", "south");
inline constexpr const char* CompassSSW = QT_TRANSLATE_NOOP("salvenor", "south-south-west");
inline constexpr const char* CompassSW = QT_TRANSLATE_NOOP("salvenor", "south-west");
inline constexpr const char* CompassWSW = QT_TRANSLATE_NOOP("salvenor", "west-south-west");
inline constexpr const char* CompassW = QT_TRANSLATE_NOOP("salvenor", "west");
inline constexpr const char* CompassWNW = QT_TRANSLATE_NOOP("salvenor", "west-north-west");
inline constexpr const char* CompassNW = QT_TRANSLATE_NOOP("salvenor", "north-west");
inline constexpr const char* CompassNNW = QT_TRANSLATE_NOOP("salvenor", "north-north-west");

// --- The Calculation page of the Setup sheet -----------------------------------------------------
// The Calculation page's line with the direction of prayer from the place shown (%1: "58 degrees,
// north-east").
inline constexpr const char* CalcQiblaLine =
    QT_TRANSLATE_NOOP("salvenor", "Qibla (direction of the Kaaba from true north): %1");
inline constexpr const char* CalculationTitle = QT_TRANSLATE_NOOP("salvenor", "Calculation");
// What the today page and the Calculation page call the custom convention.
inline constexpr const char* CustomConventionLabel = QT_TRANSLATE_NOOP("salvenor", "Custom angles");
inline constexpr const char* CalcConventionLabel = QT_TRANSLATE_NOOP("salvenor", "&Convention:");
inline constexpr const char* CalcBuiltInWay =
    QT_TRANSLATE_NOOP("salvenor", "The built-in way of Advanced Setup");
inline constexpr const char* CalcConventionHelp = QT_TRANSLATE_NOOP(
    "salvenor",
    "Whose angles give Fajr and Isha: the built-in way, a published convention, or your own.");
inline constexpr const char* CalcFajrAngleLabel = QT_TRANSLATE_NOOP("salvenor", "&Fajr angle:");
inline constexpr const char* CalcIshaAngleLabel = QT_TRANSLATE_NOOP("salvenor", "&Isha angle:");
inline constexpr const char* CalcIshaMinutesLabel =
    QT_TRANSLATE_NOOP("salvenor", "or Isha &minutes after Maghrib:");
inline constexpr const char* CalcCustomHelp = QT_TRANSLATE_NOOP(
    "salvenor",
    "Custom: the sun's depression at Fajr and Isha, or Isha a fixed time after Maghrib "
    "(0: by angle).");
inline constexpr const char* CalcAsrLabel = QT_TRANSLATE_NOOP("salvenor", "&Asr:");
inline constexpr const char* CalcAsrStandard =
    QT_TRANSLATE_NOOP("salvenor", "Standard (Shafi'i, Maliki, Hanbali)");
inline constexpr const char* CalcAsrHanafi = QT_TRANSLATE_NOOP("salvenor", "Hanafi");
inline constexpr const char* CalcAsrHelp = QT_TRANSLATE_NOOP(
    "salvenor",
    "Asr begins when a shadow is one object length longer than at noon, or two (Hanafi).");
inline constexpr const char* CalcMinutesLabel = QT_TRANSLATE_NOOP("salvenor", "Minutes added:");
inline constexpr const char* CalcMinutesHelp = QT_TRANSLATE_NOOP(
    "salvenor", "Minutes (-30 to 30) added to each time, as your mosque's timetable does.");
// The accessible name of each minutes field; %1 is the prayer's name.
inline constexpr const char* CalcMinutesName = QT_TRANSLATE_NOOP("salvenor", "Minutes added to %1");
inline constexpr const char* CalcHighLatitudeLabel =
    QT_TRANSLATE_NOOP("salvenor", "&High latitudes:");
inline constexpr const char* CalcHighLatitudeSeventh =
    QT_TRANSLATE_NOOP("salvenor", "A seventh of the night");
inline constexpr const char* CalcHighLatitudeMiddle =
    QT_TRANSLATE_NOOP("salvenor", "The middle of the night");
inline constexpr const char* CalcHighLatitudeAngle =
    QT_TRANSLATE_NOOP("salvenor", "The angle's share of the night");
inline constexpr const char* CalcHighLatitudeHelp = QT_TRANSLATE_NOOP(
    "salvenor",
    "Fajr and Isha where the sun does not sink to their angle (summer nights far north).");
inline constexpr const char* CalcSunLabel = QT_TRANSLATE_NOOP("salvenor", "&Sun:");
inline constexpr const char* CalcSunTable = QT_TRANSLATE_NOOP("salvenor", "The built-in table");
inline constexpr const char* CalcSunComputed =
    QT_TRANSLATE_NOOP("salvenor", "Computed for the date");
inline constexpr const char* CalcSunHelp = QT_TRANSLATE_NOOP(
    "salvenor", "The sun's place from the built-in table of one year, or computed for each date.");
inline constexpr const char* CalcHijriLabel =
    QT_TRANSLATE_NOOP("salvenor", "Hijri &day adjustment:");
inline constexpr const char* CalcHijriHelp = QT_TRANSLATE_NOOP(
    "salvenor", "Days (-2 to 2) added to the Hijri date, to follow the local moon sighting.");
inline constexpr const char* CalcPreviewLabel =
    QT_TRANSLATE_NOOP("salvenor", "Today's times with these choices:");
// The proposal after a country is picked: %1 the country, %2 the convention.
inline constexpr const char* CalcProposal =
    QT_TRANSLATE_NOOP("salvenor", "Proposed for %1: %2. OK confirms it; Cancel keeps your choice.");
// The Advanced Setup page, when a convention of the Calculation page is in force; %1 names it.
inline constexpr const char* AdvancedConventionInForce =
    QT_TRANSLATE_NOOP("salvenor", "In force: %1 (chosen on the Calculation page).");

}  // namespace salvenor::texts
