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
// The item the bar's title strip offers on a right click.
inline constexpr const char* AboutBarItem = "&About ZAV...";
// The commands of the bar's menu button.
inline constexpr const char* SetupCommand = "&Setup...";
inline constexpr const char* ExitCommand = "E&xit";

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
inline constexpr const char* InvalidCountry =
    "Invalid Country..please select a valid country from the country list";
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
inline constexpr const char* MetersUnit = "(Meters)";
// The Advanced Setup page (the convention labels are CalculationWayNames).
inline constexpr const char* AdvancedSetupTitle = "Advanced Setup";
inline constexpr const char* TimeZoneGroup = "Time Zone";
inline constexpr const char* FollowWindows = "&Follow Windows";
inline constexpr const char* CustomOffset = "Custom:";
inline constexpr const char* GmtUnit = "GMT";
inline constexpr const char* CalculationWayGroup = "Calculation Way";

}  // namespace salvenor::texts
