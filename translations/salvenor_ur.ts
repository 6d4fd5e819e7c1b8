<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ur">
<context>
    <name>salvenor</name>
    <message>
        <source>Muharram</source>
        <translation>محرم</translation>
    </message>
    <message>
        <source>Safar</source>
        <translation>صفر</translation>
    </message>
    <message>
        <source>Raby` al-awal</source>
        <translation>ربیع الاول</translation>
    </message>
    <message>
        <source>Raby` al-Thaany</source>
        <translation>ربیع الثانی</translation>
    </message>
    <message>
        <source>Jumaada al-awal</source>
        <translation>جمادی الاول</translation>
    </message>
    <message>
        <source>Jumaada al-Thaany</source>
        <translation>جمادی الثانی</translation>
    </message>
    <message>
        <source>Rajab</source>
        <translation>رجب</translation>
    </message>
    <message>
        <source>Sha`baan</source>
        <translation>شعبان</translation>
    </message>
    <message>
        <source>Ramadan</source>
        <translation>رمضان</translation>
    </message>
    <message>
        <source>Shawwal</source>
        <translation>شوال</translation>
    </message>
    <message>
        <source>Thw al-Qi`dah</source>
        <translation>ذوالقعدہ</translation>
    </message>
    <message>
        <source>Thw al-Hijjah</source>
        <translation>ذوالحجہ</translation>
    </message>
    <message>
        <source>January</source>
        <translation>جنوری</translation>
    </message>
    <message>
        <source>February</source>
        <translation>فروری</translation>
    </message>
    <message>
        <source>March</source>
        <translation>مارچ</translation>
    </message>
    <message>
        <source>April</source>
        <translation>اپریل</translation>
    </message>
    <message>
        <source>May</source>
        <translation>مئی</translation>
    </message>
    <message>
        <source>June</source>
        <translation>جون</translation>
    </message>
    <message>
        <source>July</source>
        <translation>جولائی</translation>
    </message>
    <message>
        <source>August</source>
        <translation>اگست</translation>
    </message>
    <message>
        <source>September</source>
        <translation>ستمبر</translation>
    </message>
    <message>
        <source>October</source>
        <translation>اکتوبر</translation>
    </message>
    <message>
        <source>November</source>
        <translation>نومبر</translation>
    </message>
    <message>
        <source>December</source>
        <translation>دسمبر</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>اتوار</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>پیر</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>منگل</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>بدھ</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>جمعرات</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>جمعہ</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>ہفتہ</translation>
    </message>
    <message>
        <source>PM</source>
        <translation>شام</translation>
    </message>
    <message>
        <source>pm</source>
        <translation>شام</translation>
    </message>
    <message>
        <source>AM</source>
        <translation>صبح</translation>
    </message>
    <message>
        <source>am</source>
        <translation>صبح</translation>
    </message>
    <message>
        <source>Fajr</source>
        <translation>فجر</translation>
    </message>
    <message>
        <source>Shrook</source>
        <translation>طلوع آفتاب</translation>
    </message>
    <message>
        <source>Thuhr</source>
        <translation>ظہر</translation>
    </message>
    <message>
        <source>Asr</source>
        <translation>عصر</translation>
    </message>
    <message>
        <source>Maghrib</source>
        <translation>مغرب</translation>
    </message>
    <message>
        <source>Isha</source>
        <translation>عشاء</translation>
    </message>
    <message>
        <source>Egyptian General Organisation of Surveying</source>
        <translation>مصری جنرل آرگنائزیشن آف سروے</translation>
    </message>
    <message>
        <source>Um Ul-Qura, Makkah</source>
        <translation>ام القریٰ، مکہ مکرمہ</translation>
    </message>
    <message>
        <source>Islamic Society of North America (ISNA)</source>
        <translation>اسلامک سوسائٹی آف نارتھ امریکا (ISNA)</translation>
    </message>
    <message>
        <source>World Islamic League</source>
        <translation>رابطہ عالم اسلامی</translation>
    </message>
    <message>
        <source>
   ERROR READING READING DISK.

ZAV installation might have been corrupted, try last operation again!
If the problem still exists, you might need to re-install ZAV again</source>
        <translation>
   ڈسک سے پڑھنے میں خرابی۔

ممکن ہے ZAV کی تنصیب خراب ہو گئی ہو، آخری عمل دوبارہ کریں!
اگر مسئلہ برقرار رہے تو شاید آپ کو ZAV دوبارہ انسٹال کرنا پڑے</translation>
    </message>
    <message>
        <source>Error Reading initialization file...
Program needs re-installation!!! </source>
        <translation>ترتیبات کی فائل پڑھنے میں خرابی...
پروگرام کو دوبارہ انسٹال کرنا ہوگا!!! </translation>
    </message>
    <message>
        <source>Error Reading initialization file...
Program needs re-installation!!!</source>
        <translation>ترتیبات کی فائل پڑھنے میں خرابی...
پروگرام کو دوبارہ انسٹال کرنا ہوگا!!!</translation>
    </message>
    <message>
        <source>
   ERROR SAVING LATEST CONFIGURATION TO THE DISK.

The disk could be full.Try setting the same configuration again.
If the problem still exists, you might want to restart ZAV or restart windows!
</source>
        <translation>
   تازہ ترین ترتیبات ڈسک پر محفوظ کرنے میں خرابی۔

شاید ڈسک بھر گئی ہے۔ یہی ترتیبات دوبارہ لگانے کی کوشش کریں۔
اگر مسئلہ برقرار رہے تو ZAV یا کمپیوٹر دوبارہ شروع کریں!
</translation>
    </message>
    <message>
        <source>The configuration file zav.cfg was damaged. It has been kept as
%s
and setup now makes a new one.</source>
        <translation>ترتیبات کی فائل zav.cfg خراب تھی۔ اسے اس نام سے محفوظ رکھا گیا ہے
%s
اور سیٹ اپ اب نئی فائل بنائے گا۔</translation>
    </message>
    <message>
        <source>The configuration file zav.cfg is damaged and could not be set aside, so setup has changed nothing. Move the file away and start Salvenor again.</source>
        <translation>ترتیبات کی فائل zav.cfg خراب ہے اور اسے الگ نہیں رکھا جا سکا، اس لیے سیٹ اپ نے کچھ نہیں بدلا۔ فائل کو کہیں اور منتقل کریں اور Salvenor دوبارہ شروع کریں۔</translation>
    </message>
    <message>
        <source>The configuration file zav.cfg is damaged: its %s cannot be right.
Salvenor uses the value of a new installation in its place for now; choose &amp;Setup... from the bar&apos;s menu to set it again.</source>
        <translation>ترتیبات کی فائل zav.cfg خراب ہے: اس کی %s درست نہیں ہو سکتی۔
فی الحال Salvenor اس کی جگہ نئی تنصیب کی قدر استعمال کرتا ہے؛ اسے دوبارہ ترتیب دینے کے لیے بار کے مینو سے &amp;سیٹ اپ... چنیں۔</translation>
    </message>
    <message>
        <source>  -- ERROR  --
Your application path is too long   
please re-install the application and select a shorter path
for your installation diretory!!</source>
        <translation>  -- خرابی --
آپ کے پروگرام کا راستہ بہت لمبا ہے   
براہ کرم پروگرام دوبارہ انسٹال کریں اور
تنصیب کے فولڈر کے لیے چھوٹا راستہ چنیں!!</translation>
    </message>
    <message>
        <source>Next: %s at: %d:%02d %s</source>
        <translation>اگلی: %s وقت: %d:%02d %s</translation>
    </message>
    <message>
        <source>&amp;About ZAV...</source>
        <translation>ZAV کے &amp;بارے میں...</translation>
    </message>
    <message>
        <source>&amp;Setup...</source>
        <translation>&amp;سیٹ اپ...</translation>
    </message>
    <message>
        <source>&amp;Options...</source>
        <translation>&amp;اختیارات...</translation>
    </message>
    <message>
        <source>&amp;Month Calendar...</source>
        <translation>&amp;ماہانہ کیلنڈر...</translation>
    </message>
    <message>
        <source>&amp;Year Calendars...</source>
        <translation>&amp;سالانہ کیلنڈر...</translation>
    </message>
    <message>
        <source>Always On &amp;Top</source>
        <translation>ہمیشہ &amp;اوپر</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;بارے میں...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;باہر نکلیں</translation>
    </message>
    <message>
        <source>Salvenor (ZAV)
[Double Click for Prayer Times]</source>
        <translation>Salvenor (ZAV)
[نماز کے اوقات کے لیے ڈبل کلک کریں]</translation>
    </message>
    <message>
        <source>Hidden Area</source>
        <translation>چھپا ہوا حصہ</translation>
    </message>
    <message>
        <source>Today Prayer Times</source>
        <translation>آج کے نماز کے اوقات</translation>
    </message>
    <message>
        <source>Show Prayer Bar</source>
        <translation>نماز بار دکھائیں</translation>
    </message>
    <message>
        <source>         Close Prayer Bar?         
(You can display it again from the task-bar icon)    </source>
        <translation>         نماز بار بند کریں؟         
(آپ اسے ٹاسک بار کے آئیکن سے دوبارہ دکھا سکتے ہیں)    </translation>
    </message>
    <message>
        <source>Do you really want to Exit Salvenor?</source>
        <translation>کیا آپ واقعی Salvenor سے باہر نکلنا چاہتے ہیں؟</translation>
    </message>
    <message>
        <source>Your desktop has no notification area, so Salvenor cannot show its tray icon.

Right-click the prayer bar for &quot;Today Prayer Times&quot;, &quot;Show Prayer Bar&quot; and &quot;Exit&quot;. The bar&apos;s menu button holds every other command.</source>
        <translation>آپ کے ڈیسک ٹاپ میں اطلاعات کا حصہ نہیں ہے، اس لیے Salvenor اپنا آئیکن نہیں دکھا سکتا۔

&quot;آج کے نماز کے اوقات&quot;، &quot;نماز بار دکھائیں&quot; اور &quot;باہر نکلیں&quot; کے لیے نماز بار پر دائیں کلک کریں۔ باقی تمام احکامات بار کے مینو بٹن میں ہیں۔</translation>
    </message>
    <message>
        <source>The prayer bar stays shown: your desktop has no notification area from which it could be shown again.

To let other windows cover it, switch &quot;Always On Top&quot; off in the bar&apos;s menu.</source>
        <translation>نماز بار دکھائی دیتا رہے گا: آپ کے ڈیسک ٹاپ میں اطلاعات کا حصہ نہیں جہاں سے اسے دوبارہ دکھایا جا سکے۔

دوسری کھڑکیوں کو اسے ڈھانپنے دینے کے لیے بار کے مینو میں &quot;ہمیشہ اوپر&quot; بند کریں۔</translation>
    </message>
    <message>
        <source>Athan Time - ZAV</source>
        <translation>اذان کا وقت - ZAV</translation>
    </message>
    <message>
        <source>Its %s -- Time for &quot; %s &quot; Prayer </source>
        <translation>%s ہو گئے -- &quot; %s &quot; کی نماز کا وقت </translation>
    </message>
    <message>
        <source>%s at %s</source>
        <translation>%s بوقت %s</translation>
    </message>
    <message>
        <source>Next Sala Tme:</source>
        <translation>اگلی نماز کا وقت:</translation>
    </message>
    <message>
        <source>Close Window</source>
        <translation>کھڑکی بند کریں</translation>
    </message>
    <message>
        <source>Stop Athan !</source>
        <translation>اذان روکیں !</translation>
    </message>
    <message>
        <source>Sala Time Reminder</source>
        <translation>نماز کے وقت کی یاد دہانی</translation>
    </message>
    <message>
        <source>Later (!!)</source>
        <translation>بعد میں (!!)</translation>
    </message>
    <message>
        <source>I have already Prayed</source>
        <translation>میں نماز پڑھ چکا ہوں</translation>
    </message>
    <message>
        <source>Remind again me in:</source>
        <translation>دوبارہ یاد دلائیں:</translation>
    </message>
    <message>
        <source>minutes</source>
        <translation>منٹ</translation>
    </message>
    <message>
        <source>Minutes until the reminder</source>
        <translation>یاد دہانی تک منٹ</translation>
    </message>
    <message>
        <source>Command menu</source>
        <translation>احکامات کا مینو</translation>
    </message>
    <message>
        <source>About Salvenor</source>
        <translation>Salvenor کے بارے میں</translation>
    </message>
    <message>
        <source>Setup</source>
        <translation>سیٹ اپ</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>اختیارات</translation>
    </message>
    <message>
        <source>Custom offset from GMT in hours</source>
        <translation>GMT سے گھنٹوں میں اپنا فرق</translation>
    </message>
    <message>
        <source>Today&apos;s prayer times</source>
        <translation>آج کے نماز کے اوقات</translation>
    </message>
    <message>
        <source>Too Much Cities...not all cities are displayed!!</source>
        <translation>بہت زیادہ شہر...تمام شہر نہیں دکھائے گئے!!</translation>
    </message>
    <message>
        <source>%1 was not found.</source>
        <translation>%1 نہیں ملی۔</translation>
    </message>
    <message>
        <source>Access to %1 was denied.</source>
        <translation>%1 تک رسائی سے انکار کر دیا گیا۔</translation>
    </message>
    <message>
        <source>An unexpected error occurred while opening %1.</source>
        <translation>%1 کھولتے ہوئے ایک غیر متوقع خرابی پیش آئی۔</translation>
    </message>
    <message>
        <source>The world city database is damaged: %s.
The country and city lists cannot be trusted; you might need to re-install ZAV again.</source>
        <translation>دنیا کے شہروں کا ڈیٹابیس خراب ہے: %s۔
ملکوں اور شہروں کی فہرستوں پر بھروسا نہیں کیا جا سکتا؛ شاید آپ کو ZAV دوبارہ انسٹال کرنا پڑے۔</translation>
    </message>
    <message>
        <source>world.sum lists a country without a name</source>
        <translation>world.sum میں ایک بے نام ملک درج ہے</translation>
    </message>
    <message>
        <source>the countries of world.sum do not point to their cities in order</source>
        <translation>world.sum کے ملک ترتیب سے اپنے شہروں کی طرف اشارہ نہیں کرتے</translation>
    </message>
    <message>
        <source>world.sum points past the end of IndexWorld.zav</source>
        <translation>world.sum، IndexWorld.zav کے اختتام سے آگے اشارہ کرتا ہے</translation>
    </message>
    <message>
        <source>IndexWorld.zav holds cities whose coordinates no place can have; they are left out</source>
        <translation>IndexWorld.zav میں ایسے شہر ہیں جن کے نقاط کسی جگہ کے نہیں ہو سکتے؛ انہیں چھوڑ دیا گیا ہے</translation>
    </message>
    <message>
        <source>The world city database is built from GeoNames (https://www.geonames.org/), licensed under CC BY 4.0 (https://creativecommons.org/licenses/by/4.0/).</source>
        <translation>دنیا کے شہروں کا ڈیٹابیس GeoNames (https://www.geonames.org/) سے بنا ہے، CC BY 4.0 (https://creativecommons.org/licenses/by/4.0/) لائسنس کے تحت۔</translation>
    </message>
    <message>
        <source>Country And city selection</source>
        <translation>ملک اور شہر کا انتخاب</translation>
    </message>
    <message>
        <source>Chose Country</source>
        <translation>ملک چنیں</translation>
    </message>
    <message>
        <source>Chose City</source>
        <translation>شہر چنیں</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>ملک</translation>
    </message>
    <message>
        <source>Current Country: </source>
        <translation>موجودہ ملک: </translation>
    </message>
    <message>
        <source>COUNTRY NAME</source>
        <translation>ملک کا نام</translation>
    </message>
    <message>
        <source>City Name</source>
        <translation>شہر کا نام</translation>
    </message>
    <message>
        <source>City First Character:</source>
        <translation>شہر کا پہلا حرف:</translation>
    </message>
    <message>
        <source>Current City:</source>
        <translation>موجودہ شہر:</translation>
    </message>
    <message>
        <source>CURRENT CITY</source>
        <translation>موجودہ شہر</translation>
    </message>
    <message>
        <source>&amp;Not Found? Press Here...</source>
        <translation>&amp;نہیں ملا؟ یہاں دبائیں...</translation>
    </message>
    <message>
        <source>Country was not yet selected - Please select country first!</source>
        <translation>ابھی ملک نہیں چنا گیا - براہ کرم پہلے ملک چنیں!</translation>
    </message>
    <message>
        <source>Error Occurred while building the city list!!</source>
        <translation>شہروں کی فہرست بناتے ہوئے خرابی پیش آئی!!</translation>
    </message>
    <message>
        <source>No Enough memory to list all of the Cities !!</source>
        <translation>تمام شہروں کی فہرست کے لیے کافی میموری نہیں !!</translation>
    </message>
    <message>
        <source>No City with that letter, please choose another one</source>
        <translation>اس حرف سے کوئی شہر نہیں، براہ کرم کوئی اور حرف چنیں</translation>
    </message>
    <message>
        <source>The database lists no city for that country</source>
        <translation>ڈیٹابیس میں اس ملک کا کوئی شہر درج نہیں</translation>
    </message>
    <message>
        <source>Invalid Country..please select a valid country from the country list</source>
        <translation>غلط ملک..براہ کرم ملکوں کی فہرست سے درست ملک چنیں</translation>
    </message>
    <message>
        <source>Please choose a city of the new country from the city list, or press &quot;Not Found? Press Here...&quot; to type its coordinates.</source>
        <translation>براہ کرم شہروں کی فہرست سے نئے ملک کا کوئی شہر چنیں، یا اس کے نقاط لکھنے کے لیے &quot;نہیں ملا؟ یہاں دبائیں...&quot; دبائیں۔</translation>
    </message>
    <message>
        <source>Choose your city: menu, Setup...</source>
        <translation>اپنا شہر چنیں: مینو، سیٹ اپ...</translation>
    </message>
    <message>
        <source>no city chosen yet (menu, Setup...)</source>
        <translation>ابھی کوئی شہر نہیں چنا گیا (مینو، سیٹ اپ...)</translation>
    </message>
    <message>
        <source>Salvenor (ZAV)</source>
        <translation>Salvenor (ZAV)</translation>
    </message>
    <message>
        <source>Reading configurations.... Please wait!</source>
        <translation>ترتیبات پڑھی جا رہی ہیں.... براہ کرم انتظار کریں!</translation>
    </message>
    <message>
        <source>File Error...you may need to re-install ZAV again!!!</source>
        <translation>فائل کی خرابی...شاید آپ کو ZAV دوبارہ انسٹال کرنا پڑے!!!</translation>
    </message>
    <message>
        <source>File Error...you may need to re-install ZAV again!!!

%s</source>
        <translation>فائل کی خرابی...شاید آپ کو ZAV دوبارہ انسٹال کرنا پڑے!!!

%s</translation>
    </message>
    <message>
        <source>Cannot open file %s</source>
        <translation>فائل %s نہیں کھل سکی</translation>
    </message>
    <message>
        <source>Today Pryer Times</source>
        <translation>آج کے نماز کے اوقات</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ٹھیک ہے</translation>
    </message>
    <message>
        <source>Makkah Um Ul-Qura</source>
        <translation>ام القریٰ، مکہ مکرمہ</translation>
    </message>
    <message>
        <source>IslamicSocietyofNorthAmerica (ISNA)</source>
        <translation>اسلامک سوسائٹی آف نارتھ امریکا (ISNA)</translation>
    </message>
    <message>
        <source>About Salvenor Version 2.0</source>
        <translation>Salvenor ورژن 2.0 کے بارے میں</translation>
    </message>
    <message>
        <source>Version 2.0</source>
        <translation>ورژن 2.0</translation>
    </message>
    <message>
        <source>Released December 2026</source>
        <translation>دسمبر 2026 میں جاری</translation>
    </message>
    <message>
        <source>Prayer times for your desktop</source>
        <translation>آپ کے ڈیسک ٹاپ کے لیے نماز کے اوقات</translation>
    </message>
    <message>
        <source>Package version %1</source>
        <translation>پیکیج ورژن %1</translation>
    </message>
    <message>
        <source>Copyright (C) 2026 The Salvenor developers</source>
        <translation>کاپی رائٹ (C) 2026 Salvenor کے ڈویلپرز</translation>
    </message>
    <message>
        <source>Salvenor is free software: you can redistribute it and/or modify it under the terms of the GNU General Public License, version 3 or (at your option) any later version (GPL-3.0-or-later). It comes with no warranty.</source>
        <translation>Salvenor آزاد سافٹ ویئر ہے: آپ اسے GNU جنرل پبلک لائسنس، ورژن 3 یا (اپنی مرضی سے) کسی بعد کے ورژن (GPL-3.0-or-later) کی شرائط کے تحت دوبارہ تقسیم اور/یا تبدیل کر سکتے ہیں۔ اس کے ساتھ کوئی ضمانت نہیں۔</translation>
    </message>
    <message>
        <source>Salvenor (ZAV) New Installation Setup</source>
        <translation>Salvenor (ZAV) نئی تنصیب کا سیٹ اپ</translation>
    </message>
    <message>
        <source>ZAV INITIAL SETUP</source>
        <translation>ZAV ابتدائی سیٹ اپ</translation>
    </message>
    <message>
        <source>You will need to enter the COUNTRY NAME and the CITY NAME so that the ZAV can adjust prayer times to your location. </source>
        <translation>آپ کو ملک کا نام اور شہر کا نام درج کرنا ہوگا تاکہ ZAV نماز کے اوقات آپ کے مقام کے مطابق کر سکے۔ </translation>
    </message>
    <message>
        <source>In the coming dialog, please select those settings carefuly. You can change that at any time from the &quot;Setup&quot; menu. </source>
        <translation>اگلی کھڑکی میں براہ کرم یہ ترتیبات احتیاط سے چنیں۔ آپ انہیں کسی بھی وقت &quot;سیٹ اپ&quot; مینو سے بدل سکتے ہیں۔ </translation>
    </message>
    <message>
        <source>Press &quot;Continue&quot; to begin the setings or Exit if you wish to cancel Setup (Note if you cancel, a default setup will be put for you which might not be correct</source>
        <translation>ترتیبات شروع کرنے کے لیے &quot;جاری رکھیں&quot; دبائیں یا سیٹ اپ منسوخ کرنے کے لیے باہر نکلیں (نوٹ: منسوخ کرنے پر آپ کے لیے ایک طے شدہ سیٹ اپ رکھا جائے گا جو شاید درست نہ ہو)</translation>
    </message>
    <message>
        <source>Continue...</source>
        <translation>جاری رکھیں...</translation>
    </message>
    <message>
        <source>Exit !</source>
        <translation>باہر نکلیں !</translation>
    </message>
    <message>
        <source>Reminder</source>
        <translation>یاد دہانی</translation>
    </message>
    <message>
        <source>Please visit our website at:</source>
        <translation>براہ کرم ہماری ویب سائٹ دیکھیں:</translation>
    </message>
    <message>
        <source>For support, questions, suggestions or comments please send us an email on</source>
        <translation>مدد، سوالات، تجاویز یا آراء کے لیے براہ کرم ہمیں اس پتے پر ای میل کریں</translation>
    </message>
    <message>
        <source>Not Supported !!</source>
        <translation>معاونت نہیں !!</translation>
    </message>
    <message>
        <source>Not supported yet</source>
        <translation>ابھی معاونت نہیں</translation>
    </message>
    <message>
        <source>This feature is not part of this release.</source>
        <translation>یہ سہولت اس ریلیز کا حصہ نہیں۔</translation>
    </message>
    <message>
        <source>News of future releases:</source>
        <translation>آنے والی ریلیزوں کی خبریں:</translation>
    </message>
    <message>
        <source>Please enter a number.</source>
        <translation>براہ کرم ایک عدد درج کریں۔</translation>
    </message>
    <message>
        <source>Please enter an integer.</source>
        <translation>براہ کرم ایک صحیح عدد درج کریں۔</translation>
    </message>
    <message>
        <source>Please enter a positive integer.</source>
        <translation>براہ کرم ایک مثبت صحیح عدد درج کریں۔</translation>
    </message>
    <message>
        <source>Please enter an integer between %1 and %2.</source>
        <translation>براہ کرم %1 اور %2 کے درمیان صحیح عدد درج کریں۔</translation>
    </message>
    <message>
        <source>Please enter a number between %1 and %2.</source>
        <translation>براہ کرم %1 اور %2 کے درمیان عدد درج کریں۔</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>منسوخ</translation>
    </message>
    <message>
        <source>Location Positioning</source>
        <translation>مقام کا تعین</translation>
    </message>
    <message>
        <source>CityName</source>
        <translation>شہر کا نام</translation>
    </message>
    <message>
        <source>City Coordinates</source>
        <translation>شہر کے نقاط</translation>
    </message>
    <message>
        <source>Enter  Longitude:</source>
        <translation>طول بلد درج کریں:</translation>
    </message>
    <message>
        <source>Enter  Latitude:</source>
        <translation>عرض بلد درج کریں:</translation>
    </message>
    <message>
        <source>Enter  Altitude</source>
        <translation>بلندی درج کریں</translation>
    </message>
    <message>
        <source>Decimal</source>
        <translation>اعشاری</translation>
    </message>
    <message>
        <source>No sound device: the athan cannot be heard.</source>
        <translation>کوئی آواز کا آلہ نہیں: اذان سنائی نہیں دے گی۔</translation>
    </message>
    <message>
        <source>North and east are positive, south and west negative (73.95 W is -73.95).</source>
        <translation>شمال اور مشرق مثبت، جنوب اور مغرب منفی ہیں (73.95 مغرب کا مطلب -73.95 ہے)۔</translation>
    </message>
    <message>
        <source>(Meters)</source>
        <translation>(میٹر)</translation>
    </message>
    <message>
        <source>Advanced Setup</source>
        <translation>اعلیٰ سیٹ اپ</translation>
    </message>
    <message>
        <source>Time Zone</source>
        <translation>ٹائم زون</translation>
    </message>
    <message>
        <source>&amp;Follow Windows</source>
        <translation>&amp;سسٹم کے مطابق</translation>
    </message>
    <message>
        <source>Custom:</source>
        <translation>اپنا:</translation>
    </message>
    <message>
        <source>GMT</source>
        <translation>GMT</translation>
    </message>
    <message>
        <source>Calculation Way</source>
        <translation>حساب کا طریقہ</translation>
    </message>
    <message>
        <source>Month Calendar</source>
        <translation>ماہانہ کیلنڈر</translation>
    </message>
    <message>
        <source>Select Month:</source>
        <translation>مہینہ چنیں:</translation>
    </message>
    <message>
        <source>Select Year:</source>
        <translation>سال چنیں:</translation>
    </message>
    <message>
        <source>Hijri</source>
        <translation>ہجری</translation>
    </message>
    <message>
        <source>Georgian</source>
        <translation>عیسوی</translation>
    </message>
    <message>
        <source>Print...</source>
        <translation>پرنٹ...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>بند کریں</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;فائل</translation>
    </message>
    <message>
        <source>&amp;Save As...</source>
        <translation>&amp;اس نام سے محفوظ کریں...</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;پرنٹ</translation>
    </message>
    <message>
        <source>Print Pre&amp;view</source>
        <translation>پرنٹ کا &amp;پیش منظر</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;بند کریں</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>ترمیم</translation>
    </message>
    <message>
        <source>&amp;Copy               Ctrl+C</source>
        <translation>&amp;کاپی               Ctrl+C</translation>
    </message>
    <message>
        <source>Select &amp;All        Ctrl+A</source>
        <translation>&amp;سب منتخب کریں        Ctrl+A</translation>
    </message>
    <message>
        <source>&amp;Find</source>
        <translation>&amp;تلاش</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>فارمیٹ</translation>
    </message>
    <message>
        <source>Font...</source>
        <translation>فونٹ...</translation>
    </message>
    <message>
        <source>The Hijri calendar here runs from Muharram of the year 1 to the year 9999.</source>
        <translation>یہاں ہجری کیلنڈر سال 1 کے محرم سے سال 9999 تک ہے۔</translation>
    </message>
    <message>
        <source>The Gregorian calendar here runs from August 622 to the year 9999.</source>
        <translation>یہاں عیسوی کیلنڈر اگست 622 سے سال 9999 تک ہے۔</translation>
    </message>
    <message>
        <source>Save Page As</source>
        <translation>صفحہ اس نام سے محفوظ کریں</translation>
    </message>
    <message>
        <source>HTML page (*.html *.htm)</source>
        <translation>HTML صفحہ (*.html *.htm)</translation>
    </message>
    <message>
        <source>The page could not be saved as %1.</source>
        <translation>صفحہ %1 کے نام سے محفوظ نہیں ہو سکا۔</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>مہینہ</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>سال</translation>
    </message>
    <message>
        <source>Next year</source>
        <translation>اگلا سال</translation>
    </message>
    <message>
        <source>Previous year</source>
        <translation>پچھلا سال</translation>
    </message>
    <message>
        <source>Next month</source>
        <translation>اگلا مہینہ</translation>
    </message>
    <message>
        <source>Previous month</source>
        <translation>پچھلا مہینہ</translation>
    </message>
    <message>
        <source>Calendar</source>
        <translation>کیلنڈر</translation>
    </message>
    <message>
        <source>Calendar page</source>
        <translation>کیلنڈر کا صفحہ</translation>
    </message>
    <message>
        <source>Menu bar</source>
        <translation>مینو بار</translation>
    </message>
    <message>
        <source>Year range</source>
        <translation>سالوں کی حد</translation>
    </message>
    <message>
        <source>Fi&amp;nd:</source>
        <translation>&amp;تلاش:</translation>
    </message>
    <message>
        <source>Text to find</source>
        <translation>تلاش کا متن</translation>
    </message>
    <message>
        <source>Ne&amp;xt</source>
        <translation>&amp;اگلا</translation>
    </message>
    <message>
        <source>Pre&amp;vious</source>
        <translation>&amp;پچھلا</translation>
    </message>
    <message>
        <source>Close find bar</source>
        <translation>تلاش کی پٹی بند کریں</translation>
    </message>
    <message>
        <source>Find result</source>
        <translation>تلاش کا نتیجہ</translation>
    </message>
    <message>
        <source>Not found</source>
        <translation>نہیں ملا</translation>
    </message>
    <message>
        <source>Reached the end of the page, continued from the top</source>
        <translation>صفحے کے آخر تک پہنچ گئے، شروع سے جاری</translation>
    </message>
    <message>
        <source>Reached the start of the page, continued from the bottom</source>
        <translation>صفحے کے شروع تک پہنچ گئے، آخر سے جاری</translation>
    </message>
    <message>
        <source>Athan &amp; Reminder Settings</source>
        <translation>اذان اور یاد دہانی کی ترتیبات</translation>
    </message>
    <message>
        <source>All Prayer Athan File (WAV)</source>
        <translation>تمام نمازوں کی اذان کی فائل (WAV)</translation>
    </message>
    <message>
        <source>Fajr Prayer Athan File (WAV):</source>
        <translation>نماز فجر کی اذان کی فائل (WAV):</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>تلاش کریں...</translation>
    </message>
    <message>
        <source>Display Athan Dialog and Play Athan Sound When Prayer Time Comes</source>
        <translation>نماز کا وقت آنے پر اذان کی کھڑکی دکھائیں اور اذان کی آواز چلائیں</translation>
    </message>
    <message>
        <source>Bring Time Bar on Top to Remind of Prayer Time</source>
        <translation>نماز کے وقت کی یاد دہانی کے لیے وقت کی بار اوپر لائیں</translation>
    </message>
    <message>
        <source>Mute All Sounds</source>
        <translation>تمام آوازیں بند کریں</translation>
    </message>
    <message>
        <source>Start Salvenor when I &amp;log in</source>
        <translation>&amp;لاگ ان پر Salvenor شروع کریں</translation>
    </message>
    <message>
        <source>Salvenor could not change its login start entry:
%1</source>
        <translation>Salvenor لاگ ان پر شروع ہونے کا اندراج نہیں بدل سکا:
%1</translation>
    </message>
    <message>
        <source>Play or stop the All Prayer Athan</source>
        <translation>تمام نمازوں کی اذان چلائیں یا روکیں</translation>
    </message>
    <message>
        <source>Play or stop the Fajr Prayer Athan</source>
        <translation>نماز فجر کی اذان چلائیں یا روکیں</translation>
    </message>
    <message>
        <source>Browse for the All Prayer Athan File</source>
        <translation>تمام نمازوں کی اذان کی فائل تلاش کریں</translation>
    </message>
    <message>
        <source>Browse for the Fajr Prayer Athan File</source>
        <translation>نماز فجر کی اذان کی فائل تلاش کریں</translation>
    </message>
    <message>
        <source>Wave Files (*.wav) </source>
        <translation>WAV آواز کی فائلیں (*.wav) </translation>
    </message>
    <message>
        <source>All Files (*.*)</source>
        <translation>تمام فائلیں (*.*)</translation>
    </message>
    <message>
        <source>Date Adjustments</source>
        <translation>تاریخ کی درستی</translation>
    </message>
    <message>
        <source>Not Supported In this version</source>
        <translation>اس ورژن میں معاونت نہیں</translation>
    </message>
    <message>
        <source>Overwrite the current Hijri date</source>
        <translation>موجودہ ہجری تاریخ بدلیں</translation>
    </message>
    <message>
        <source>Today is:</source>
        <translation>آج ہے:</translation>
    </message>
    <message>
        <source>of</source>
        <translation>کا</translation>
    </message>
    <message>
        <source>Chose Hijri Month</source>
        <translation>ہجری مہینہ چنیں</translation>
    </message>
    <message>
        <source>Hijri day of month</source>
        <translation>ہجری مہینے کا دن</translation>
    </message>
    <message>
        <source>Hijri month</source>
        <translation>ہجری مہینہ</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>زبان</translation>
    </message>
    <message>
        <source>System</source>
        <translation>سسٹم</translation>
    </message>
    <message>
        <source>%d of %s, %d</source>
        <translation>%d %s %d</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1 in %2 h %3 min</source>
        <translation>%1 میں %2 گھنٹے %3 منٹ</translation>
    </message>
    <message>
        <source>%1 in %2 min</source>
        <translation>%1 میں %2 منٹ</translation>
    </message>
    <message>
        <source>Prayer bar</source>
        <translation>نماز بار</translation>
    </message>
    <message>
        <source>Put the bar back in the corner</source>
        <translation>بار کو واپس کونے میں رکھیں</translation>
    </message>
    <message>
        <source>Or &amp;search:</source>
        <translation>یا &amp;تلاش کریں:</translation>
    </message>
    <message>
        <source>Any part of the name</source>
        <translation>نام کا کوئی بھی حصہ</translation>
    </message>
    <message>
        <source>Cities found</source>
        <translation>ملنے والے شہر</translation>
    </message>
    <message>
        <source>%1   (%2)</source>
        <translation>%1   (%2)</translation>
    </message>
    <message>
        <source>No city of this country has that name.</source>
        <translation>اس ملک کے کسی شہر کا یہ نام نہیں۔</translation>
    </message>
    <message>
        <source>The first %1 of %2 cities: type more to see the others.</source>
        <translation>پہلے %1 شہر (کل %2 میں سے): باقی دیکھنے کے لیے مزید لکھیں۔</translation>
    </message>
    <message>
        <source>University of Islamic Sciences, Karachi</source>
        <translation>جامعہ علوم اسلامیہ، کراچی</translation>
    </message>
    <message>
        <source>Kuwait</source>
        <translation>کویت</translation>
    </message>
    <message>
        <source>Qatar</source>
        <translation>قطر</translation>
    </message>
    <message>
        <source>Dubai (United Arab Emirates)</source>
        <translation>دبئی (متحدہ عرب امارات)</translation>
    </message>
    <message>
        <source>Singapore (MUIS)</source>
        <translation>سنگاپور (MUIS)</translation>
    </message>
    <message>
        <source>Institute of Geophysics, University of Tehran</source>
        <translation>انسٹی ٹیوٹ آف جیو فزکس، تہران یونیورسٹی</translation>
    </message>
    <message>
        <source>Diyanet, Turkey</source>
        <translation>دیانت، ترکی</translation>
    </message>
    <message>
        <source>Moonsighting Committee Worldwide</source>
        <translation>Moonsighting Committee Worldwide</translation>
    </message>
    <message>
        <source>Umm al-Qura, Makkah</source>
        <translation>ام القریٰ، مکہ مکرمہ</translation>
    </message>
    <message>
        <source>Muslim World League</source>
        <translation>رابطہ عالم اسلامی</translation>
    </message>
    <message>
        <source>Egyptian General Authority of Survey</source>
        <translation>مصری جنرل اتھارٹی آف سروے</translation>
    </message>
    <message>
        <source>Time for %1</source>
        <translation>%1 کا وقت ہو گیا</translation>
    </message>
    <message>
        <source>%1 at %2</source>
        <translation>%1 بوقت %2</translation>
    </message>
    <message>
        <source>%1 in %2 minutes</source>
        <translation>%1 میں %2 منٹ</translation>
    </message>
    <message>
        <source>Desktop notifications</source>
        <translation>ڈیسک ٹاپ اطلاعات</translation>
    </message>
    <message>
        <source>Notify me at each prayer time</source>
        <translation>ہر نماز کے وقت مجھے اطلاع دیں</translation>
    </message>
    <message>
        <source>Warn me before each prayer</source>
        <translation>ہر نماز سے پہلے مجھے خبردار کریں</translation>
    </message>
    <message>
        <source> minutes before</source>
        <translation> منٹ پہلے</translation>
    </message>
    <message>
        <source>Minutes of the warning before each prayer</source>
        <translation>ہر نماز سے پہلے انتباہ کے منٹ</translation>
    </message>
    <message>
        <source>&amp;Export Prayer Times...</source>
        <translation>نماز کے اوقات &amp;برآمد کریں...</translation>
    </message>
    <message>
        <source>Salvenor could not write the prayer times to:
%1</source>
        <translation>Salvenor نماز کے اوقات یہاں نہیں لکھ سکا:
%1</translation>
    </message>
    <message>
        <source>iCalendar Files (*.ics)</source>
        <translation>iCalendar فائلیں (*.ics)</translation>
    </message>
    <message>
        <source>%s in %d minutes</source>
        <translation>%s میں %d منٹ</translation>
    </message>
    <message>
        <source>%ld degrees, %s</source>
        <translation>%ld درجے، %s</translation>
    </message>
    <message>
        <source>north</source>
        <translation>شمال</translation>
    </message>
    <message>
        <source>north-north-east</source>
        <translation>شمال شمال مشرق</translation>
    </message>
    <message>
        <source>north-east</source>
        <translation>شمال مشرق</translation>
    </message>
    <message>
        <source>east-north-east</source>
        <translation>مشرق شمال مشرق</translation>
    </message>
    <message>
        <source>east</source>
        <translation>مشرق</translation>
    </message>
    <message>
        <source>east-south-east</source>
        <translation>مشرق جنوب مشرق</translation>
    </message>
    <message>
        <source>south-east</source>
        <translation>جنوب مشرق</translation>
    </message>
    <message>
        <source>south-south-east</source>
        <translation>جنوب جنوب مشرق</translation>
    </message>
    <message>
        <source>south</source>
        <translation>جنوب</translation>
    </message>
    <message>
        <source>south-south-west</source>
        <translation>جنوب جنوب مغرب</translation>
    </message>
    <message>
        <source>south-west</source>
        <translation>جنوب مغرب</translation>
    </message>
    <message>
        <source>west-south-west</source>
        <translation>مغرب جنوب مغرب</translation>
    </message>
    <message>
        <source>west</source>
        <translation>مغرب</translation>
    </message>
    <message>
        <source>west-north-west</source>
        <translation>مغرب شمال مغرب</translation>
    </message>
    <message>
        <source>north-west</source>
        <translation>شمال مغرب</translation>
    </message>
    <message>
        <source>north-north-west</source>
        <translation>شمال شمال مغرب</translation>
    </message>
    <message>
        <source>Calculation</source>
        <translation>حساب</translation>
    </message>
    <message>
        <source>Custom angles</source>
        <translation>اپنی مرضی کے زاویے</translation>
    </message>
    <message>
        <source>&amp;Convention:</source>
        <translation>&amp;طریقہ:</translation>
    </message>
    <message>
        <source>The built-in way of Advanced Setup</source>
        <translation>اعلیٰ سیٹ اپ کا اندرونی طریقہ</translation>
    </message>
    <message>
        <source>Whose angles give Fajr and Isha: the built-in way, a published convention, or your own.</source>
        <translation>فجر اور عشاء کے زاویے کس کے: اندرونی طریقہ، کوئی شائع شدہ طریقہ، یا آپ کے اپنے۔</translation>
    </message>
    <message>
        <source>&amp;Fajr angle:</source>
        <translation>فجر کا &amp;زاویہ:</translation>
    </message>
    <message>
        <source>&amp;Isha angle:</source>
        <translation>عشاء کا ز&amp;اویہ:</translation>
    </message>
    <message>
        <source>or Isha &amp;minutes after Maghrib:</source>
        <translation>یا مغرب کے بعد عشاء کے &amp;منٹ:</translation>
    </message>
    <message>
        <source>Custom: the sun&apos;s depression at Fajr and Isha, or Isha a fixed time after Maghrib (0: by angle).</source>
        <translation>اپنی مرضی: فجر اور عشاء پر سورج کا افق سے نیچے ہونا، یا مغرب کے بعد مقررہ وقت پر عشاء (0: زاویے سے)۔</translation>
    </message>
    <message>
        <source>&amp;Asr:</source>
        <translation>&amp;عصر:</translation>
    </message>
    <message>
        <source>Standard (Shafi&apos;i, Maliki, Hanbali)</source>
        <translation>معیاری (شافعی، مالکی، حنبلی)</translation>
    </message>
    <message>
        <source>Hanafi</source>
        <translation>حنفی</translation>
    </message>
    <message>
        <source>Asr begins when a shadow is one object length longer than at noon, or two (Hanafi).</source>
        <translation>عصر اس وقت شروع ہوتی ہے جب سایہ دوپہر کے سائے سے ایک مثل زیادہ ہو، یا دو مثل (حنفی)۔</translation>
    </message>
    <message>
        <source>Minutes added:</source>
        <translation>شامل کیے گئے منٹ:</translation>
    </message>
    <message>
        <source>Minutes (-30 to 30) added to each time, as your mosque&apos;s timetable does.</source>
        <translation>ہر وقت میں شامل کیے جانے والے منٹ (-30 سے 30)، جیسے آپ کی مسجد کا نظام الاوقات کرتا ہے۔</translation>
    </message>
    <message>
        <source>Minutes added to %1</source>
        <translation>%1 میں شامل کیے گئے منٹ</translation>
    </message>
    <message>
        <source>&amp;High latitudes:</source>
        <translation>&amp;بلند عرض بلد:</translation>
    </message>
    <message>
        <source>A seventh of the night</source>
        <translation>رات کا ساتواں حصہ</translation>
    </message>
    <message>
        <source>The middle of the night</source>
        <translation>آدھی رات</translation>
    </message>
    <message>
        <source>The angle&apos;s share of the night</source>
        <translation>زاویے کے حساب سے رات کا حصہ</translation>
    </message>
    <message>
        <source>Fajr and Isha where the sun does not sink to their angle (summer nights far north).</source>
        <translation>جہاں سورج فجر اور عشاء کے زاویے تک نیچے نہیں جاتا وہاں ان کے اوقات (دور شمال میں گرمیوں کی راتیں)۔</translation>
    </message>
    <message>
        <source>&amp;Sun:</source>
        <translation>&amp;سورج:</translation>
    </message>
    <message>
        <source>The built-in table</source>
        <translation>اندرونی جدول</translation>
    </message>
    <message>
        <source>Computed for the date</source>
        <translation>تاریخ کے لیے حساب شدہ</translation>
    </message>
    <message>
        <source>The sun&apos;s place from the built-in table of one year, or computed for each date.</source>
        <translation>سورج کا مقام ایک سال کے اندرونی جدول سے، یا ہر تاریخ کے لیے حساب سے۔</translation>
    </message>
    <message>
        <source>Hijri &amp;day adjustment:</source>
        <translation>ہجری &amp;دن کی تصحیح:</translation>
    </message>
    <message>
        <source>Days (-2 to 2) added to the Hijri date, to follow the local moon sighting.</source>
        <translation>ہجری تاریخ میں شامل کیے جانے والے دن (-2 سے 2)، مقامی رؤیت ہلال کے مطابق۔</translation>
    </message>
    <message>
        <source>Today&apos;s times with these choices:</source>
        <translation>ان انتخابات کے ساتھ آج کے اوقات:</translation>
    </message>
    <message>
        <source>Proposed for %1: %2. OK confirms it; Cancel keeps your choice.</source>
        <translation>%1 کے لیے تجویز: %2۔ ٹھیک ہے اس کی تصدیق کرتا ہے؛ منسوخ آپ کا انتخاب برقرار رکھتا ہے۔</translation>
    </message>
    <message>
        <source>In force: %1 (chosen on the Calculation page).</source>
        <translation>نافذ: %1 (حساب کے صفحے پر چنا گیا)۔</translation>
    </message>
    <message>
        <source>Your choices could not be saved in %1 (%2). They stay in force until Salvenor is closed.</source>
        <translation>آپ کے انتخاب %1 میں محفوظ نہیں ہو سکے (%2)۔ Salvenor بند ہونے تک یہ نافذ رہیں گے۔</translation>
    </message>
    <message>
        <source>Qibla (direction of the Kaaba from true north): %1</source>
        <translation>قبلہ (حقیقی شمال سے کعبہ کی سمت): %1</translation>
    </message>
    <message>
        <source>1 Muhaaran: &lt;font color=&quot;#800040&quot;&gt; Start of the Hijri Calendar</source>
        <translation>1 محرم: &lt;font color=&quot;#800040&quot;&gt;ہجری تقویم کا آغاز</translation>
    </message>
    <message>
        <source>2 Safar: &lt;font color=&quot;#800040&quot;&gt;Hijra from Makka to Madina</source>
        <translation>27 صفر: &lt;font color=&quot;#800040&quot;&gt;مکہ سے مدینہ ہجرت</translation>
    </message>
    <message>
        <source>12 of Raby` al-awal: &lt;font color=&quot;#800040&quot;&gt;The Birth of Prophet Muhammad (SAAWS)</source>
        <translation>12 ربیع الاول: &lt;font color=&quot;#800040&quot;&gt;ولادتِ نبی کریم ﷺ</translation>
    </message>
    <message>
        <source>27 of Rajab: &lt;font color=&quot;#800040&quot;&gt;Isra&apos; and Mi&apos;raj</source>
        <translation>27 رجب: &lt;font color=&quot;#800040&quot;&gt;اسراء و معراج</translation>
    </message>
    <message>
        <source>1  Ramadan: &lt;font color=&quot;#800040&quot;&gt;Start Of Ramadan</source>
        <translation>1 رمضان: &lt;font color=&quot;#800040&quot;&gt;آغازِ رمضان</translation>
    </message>
    <message>
        <source>17 Ramadan: &lt;font color=&quot;#800040&quot;&gt;Battle of Badr</source>
        <translation>17 رمضان: &lt;font color=&quot;#800040&quot;&gt;غزوۂ بدر</translation>
    </message>
    <message>
        <source>21 Ramadan: &lt;font color=&quot;#800040&quot;&gt;Conquest of Makkah</source>
        <translation>21 رمضان: &lt;font color=&quot;#800040&quot;&gt;فتحِ مکہ</translation>
    </message>
    <message>
        <source>1,2,3 Shawwal: &lt;font color=&quot;#800040&quot;&gt;Eid Al-Fitr</source>
        <translation>1، 2، 3 شوال: &lt;font color=&quot;#800040&quot;&gt;عید الفطر</translation>
    </message>
    <message>
        <source>6  Shawwal: &lt;font color=&quot;#800040&quot;&gt;Battle of Uhud</source>
        <translation>6 شوال: &lt;font color=&quot;#800040&quot;&gt;غزوۂ احد</translation>
    </message>
    <message>
        <source>10 Shawwal: &lt;font color=&quot;#800040&quot;&gt;Battle of Hunayn</source>
        <translation>10 شوال: &lt;font color=&quot;#800040&quot;&gt;غزوۂ حنین</translation>
    </message>
    <message>
        <source>17 of Thw al-Qi`dah: &lt;font color=&quot;#800040&quot;&gt;Battle of Al-Ahzab</source>
        <translation>17 ذوالقعدہ: &lt;font color=&quot;#800040&quot;&gt;غزوۂ احزاب</translation>
    </message>
    <message>
        <source>9  of Thw al-Hijjah: &lt;font color=&quot;#800040&quot;&gt;Day of Araft</source>
        <translation>9 ذوالحجہ: &lt;font color=&quot;#800040&quot;&gt;یومِ عرفہ</translation>
    </message>
    <message>
        <source>10,11,12 of Thw al-Hijjah: &lt;font color=&quot;#800040&quot;&gt;Eid Al-Adha</source>
        <translation>10، 11، 12 ذوالحجہ: &lt;font color=&quot;#800040&quot;&gt;عید الاضحیٰ</translation>
    </message>
    <message>
        <source>Muhr</source>
        <translation>محرم</translation>
    </message>
    <message>
        <source>Safr</source>
        <translation>صفر</translation>
    </message>
    <message>
        <source>Rab1</source>
        <translation>ربیع 1</translation>
    </message>
    <message>
        <source>Rab2</source>
        <translation>ربیع 2</translation>
    </message>
    <message>
        <source>Jmd1</source>
        <translation>جمادی 1</translation>
    </message>
    <message>
        <source>Jmd2</source>
        <translation>جمادی 2</translation>
    </message>
    <message>
        <source>Rajb</source>
        <translation>رجب</translation>
    </message>
    <message>
        <source>Shbn</source>
        <translation>شعبان</translation>
    </message>
    <message>
        <source>Rmdn</source>
        <translation>رمضان</translation>
    </message>
    <message>
        <source>Shwl</source>
        <translation>شوال</translation>
    </message>
    <message>
        <source>Qidh</source>
        <translation>ذوالقعدہ</translation>
    </message>
    <message>
        <source>Hjah</source>
        <translation>ذوالحجہ</translation>
    </message>
    <message>
        <source>JAN</source>
        <translation>جنوری</translation>
    </message>
    <message>
        <source>FEB</source>
        <translation>فروری</translation>
    </message>
    <message>
        <source>MAR</source>
        <translation>مارچ</translation>
    </message>
    <message>
        <source>APR</source>
        <translation>اپریل</translation>
    </message>
    <message>
        <source>MAY</source>
        <translation>مئی</translation>
    </message>
    <message>
        <source>JUN</source>
        <translation>جون</translation>
    </message>
    <message>
        <source>JUL</source>
        <translation>جولائی</translation>
    </message>
    <message>
        <source>AUG</source>
        <translation>اگست</translation>
    </message>
    <message>
        <source>SEP</source>
        <translation>ستمبر</translation>
    </message>
    <message>
        <source>OCT</source>
        <translation>اکتوبر</translation>
    </message>
    <message>
        <source>NOV</source>
        <translation>نومبر</translation>
    </message>
    <message>
        <source>DEC</source>
        <translation>دسمبر</translation>
    </message>
    <message>
        <source>latitude</source>
        <translation>عرض بلد</translation>
    </message>
    <message>
        <source>longitude</source>
        <translation>طول بلد</translation>
    </message>
    <message>
        <source>altitude</source>
        <translation>بلندی</translation>
    </message>
    <message>
        <source>time-zone offset</source>
        <translation>ٹائم زون کا فرق</translation>
    </message>
    <message>
        <source>%s and %s</source>
        <translation>%s اور %s</translation>
    </message>
    <message>
        <source>%s, %s</source>
        <translation>%s، %s</translation>
    </message>
    <message>
        <source>The new language is used as soon as you press OK.</source>
        <translation>نئی زبان &quot;ٹھیک ہے&quot; دباتے ہی استعمال ہونے لگتی ہے۔</translation>
    </message>
</context>
</TS>
