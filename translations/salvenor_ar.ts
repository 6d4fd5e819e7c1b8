<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar">
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
        <translation>ربيع الأول</translation>
    </message>
    <message>
        <source>Raby` al-Thaany</source>
        <translation>ربيع الآخر</translation>
    </message>
    <message>
        <source>Jumaada al-awal</source>
        <translation>جمادى الأولى</translation>
    </message>
    <message>
        <source>Jumaada al-Thaany</source>
        <translation>جمادى الآخرة</translation>
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
        <translation>ذو القعدة</translation>
    </message>
    <message>
        <source>Thw al-Hijjah</source>
        <translation>ذو الحجة</translation>
    </message>
    <message>
        <source>January</source>
        <translation>يناير</translation>
    </message>
    <message>
        <source>February</source>
        <translation>فبراير</translation>
    </message>
    <message>
        <source>March</source>
        <translation>مارس</translation>
    </message>
    <message>
        <source>April</source>
        <translation>أبريل</translation>
    </message>
    <message>
        <source>May</source>
        <translation>مايو</translation>
    </message>
    <message>
        <source>June</source>
        <translation>يونيو</translation>
    </message>
    <message>
        <source>July</source>
        <translation>يوليو</translation>
    </message>
    <message>
        <source>August</source>
        <translation>أغسطس</translation>
    </message>
    <message>
        <source>September</source>
        <translation>سبتمبر</translation>
    </message>
    <message>
        <source>October</source>
        <translation>أكتوبر</translation>
    </message>
    <message>
        <source>November</source>
        <translation>نوفمبر</translation>
    </message>
    <message>
        <source>December</source>
        <translation>ديسمبر</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>الأحد</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>الاثنين</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>الثلاثاء</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>الأربعاء</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>الخميس</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>الجمعة</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>السبت</translation>
    </message>
    <message>
        <source>PM</source>
        <translation>م</translation>
    </message>
    <message>
        <source>pm</source>
        <translation>م</translation>
    </message>
    <message>
        <source>AM</source>
        <translation>ص</translation>
    </message>
    <message>
        <source>am</source>
        <translation>ص</translation>
    </message>
    <message>
        <source>Fajr</source>
        <translation>الفجر</translation>
    </message>
    <message>
        <source>Shrook</source>
        <translation>الشروق</translation>
    </message>
    <message>
        <source>Thuhr</source>
        <translation>الظهر</translation>
    </message>
    <message>
        <source>Asr</source>
        <translation>العصر</translation>
    </message>
    <message>
        <source>Maghrib</source>
        <translation>المغرب</translation>
    </message>
    <message>
        <source>Isha</source>
        <translation>العشاء</translation>
    </message>
    <message>
        <source>Egyptian General Organisation of Surveying</source>
        <translation>الهيئة المصرية العامة للمساحة</translation>
    </message>
    <message>
        <source>Um Ul-Qura, Makkah</source>
        <translation>أم القرى، مكة المكرمة</translation>
    </message>
    <message>
        <source>Islamic Society of North America (ISNA)</source>
        <translation>الجمعية الإسلامية لأمريكا الشمالية (ISNA)</translation>
    </message>
    <message>
        <source>World Islamic League</source>
        <translation>رابطة العالم الإسلامي</translation>
    </message>
    <message>
        <source>
   ERROR READING READING DISK.

ZAV installation might have been corrupted, try last operation again!
If the problem still exists, you might need to re-install ZAV again</source>
        <translation>
   خطأ في القراءة من القرص.

ربما تلف تثبيت ZAV، أعد محاولة العملية الأخيرة!
إذا استمرت المشكلة فقد تحتاج إلى إعادة تثبيت ZAV</translation>
    </message>
    <message>
        <source>Error Reading initialization file...
Program needs re-installation!!! </source>
        <translation>خطأ في قراءة ملف الإعداد...
يحتاج البرنامج إلى إعادة التثبيت!!! </translation>
    </message>
    <message>
        <source>Error Reading initialization file...
Program needs re-installation!!!</source>
        <translation>خطأ في قراءة ملف الإعداد...
يحتاج البرنامج إلى إعادة التثبيت!!!</translation>
    </message>
    <message>
        <source>
   ERROR SAVING LATEST CONFIGURATION TO THE DISK.

The disk could be full.Try setting the same configuration again.
If the problem still exists, you might want to restart ZAV or restart windows!
</source>
        <translation>
   خطأ في حفظ آخر إعدادات على القرص.

ربما القرص ممتلئ. حاول ضبط الإعدادات نفسها مرة أخرى.
إذا استمرت المشكلة فقد ترغب في إعادة تشغيل ZAV أو إعادة تشغيل النظام!
</translation>
    </message>
    <message>
        <source>The configuration file zav.cfg was damaged. It has been kept as
%s
and setup now makes a new one.</source>
        <translation>ملف الإعداد zav.cfg كان تالفًا. تم الاحتفاظ به باسم
%s
وسينشئ الإعداد الآن ملفًا جديدًا.</translation>
    </message>
    <message>
        <source>The configuration file zav.cfg is damaged and could not be set aside, so setup has changed nothing. Move the file away and start Salvenor again.</source>
        <translation>ملف الإعداد zav.cfg تالف ولم يمكن نقله جانبًا، لذا لم يغيّر الإعداد شيئًا. انقل الملف إلى مكان آخر ثم شغّل Salvenor مرة أخرى.</translation>
    </message>
    <message>
        <source>The configuration file zav.cfg is damaged: its %s cannot be right.
Salvenor uses the value of a new installation in its place for now; choose &amp;Setup... from the bar&apos;s menu to set it again.</source>
        <translation>ملف الإعداد zav.cfg تالف: لا يمكن أن تكون قيمة %s صحيحة.
يستخدم Salvenor قيمة التثبيت الجديد مكانها مؤقتًا؛ اختر &amp;إعداد... من قائمة الشريط لضبطها من جديد.</translation>
    </message>
    <message>
        <source>  -- ERROR  --
Your application path is too long   
please re-install the application and select a shorter path
for your installation diretory!!</source>
        <translation>  -- خطأ --
مسار البرنامج طويل جدًا   
يرجى إعادة تثبيت البرنامج واختيار مسار أقصر
لمجلد التثبيت!!</translation>
    </message>
    <message>
        <source>Next: %s at: %d:%02d %s</source>
        <translation>التالي: %s الساعة: %d:%02d %s</translation>
    </message>
    <message>
        <source>&amp;About ZAV...</source>
        <translation>&amp;حول ZAV...</translation>
    </message>
    <message>
        <source>&amp;Setup...</source>
        <translation>&amp;إعداد...</translation>
    </message>
    <message>
        <source>&amp;Options...</source>
        <translation>&amp;خيارات...</translation>
    </message>
    <message>
        <source>&amp;Month Calendar...</source>
        <translation>تقويم ال&amp;شهر...</translation>
    </message>
    <message>
        <source>&amp;Year Calendars...</source>
        <translation>تقاويم ال&amp;سنة...</translation>
    </message>
    <message>
        <source>Always On &amp;Top</source>
        <translation>دائمًا في ال&amp;مقدمة</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;حول...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;خروج</translation>
    </message>
    <message>
        <source>Salvenor (ZAV)
[Double Click for Prayer Times]</source>
        <translation>Salvenor (ZAV)
[انقر نقرًا مزدوجًا لمواقيت الصلاة]</translation>
    </message>
    <message>
        <source>Hidden Area</source>
        <translation>المنطقة المخفية</translation>
    </message>
    <message>
        <source>Today Prayer Times</source>
        <translation>مواقيت صلاة اليوم</translation>
    </message>
    <message>
        <source>Show Prayer Bar</source>
        <translation>إظهار شريط الصلاة</translation>
    </message>
    <message>
        <source>         Close Prayer Bar?         
(You can display it again from the task-bar icon)    </source>
        <translation>         إغلاق شريط الصلاة؟         
(يمكنك إظهاره مرة أخرى من أيقونة شريط المهام)    </translation>
    </message>
    <message>
        <source>Do you really want to Exit Salvenor?</source>
        <translation>هل تريد حقًا الخروج من Salvenor؟</translation>
    </message>
    <message>
        <source>Your desktop has no notification area, so Salvenor cannot show its tray icon.

Right-click the prayer bar for &quot;Today Prayer Times&quot;, &quot;Show Prayer Bar&quot; and &quot;Exit&quot;. The bar&apos;s menu button holds every other command.</source>
        <translation>لا توجد في سطح المكتب منطقة إشعارات، لذا لا يستطيع Salvenor إظهار أيقونته.

انقر بالزر الأيمن على شريط الصلاة لـ &quot;مواقيت صلاة اليوم&quot; و&quot;إظهار شريط الصلاة&quot; و&quot;خروج&quot;. وزر قائمة الشريط يحمل كل الأوامر الأخرى.</translation>
    </message>
    <message>
        <source>The prayer bar stays shown: your desktop has no notification area from which it could be shown again.

To let other windows cover it, switch &quot;Always On Top&quot; off in the bar&apos;s menu.</source>
        <translation>يبقى شريط الصلاة ظاهرًا: لا توجد في سطح المكتب منطقة إشعارات يمكن إظهاره منها مرة أخرى.

لتسمح للنوافذ الأخرى بتغطيته، أوقف &quot;دائمًا في المقدمة&quot; في قائمة الشريط.</translation>
    </message>
    <message>
        <source>Athan Time - ZAV</source>
        <translation>وقت الأذان - ZAV</translation>
    </message>
    <message>
        <source>Its %s -- Time for &quot; %s &quot; Prayer </source>
        <translation>إنها %s -- حان وقت صلاة &quot; %s &quot; </translation>
    </message>
    <message>
        <source>%s at %s</source>
        <translation>%s الساعة %s</translation>
    </message>
    <message>
        <source>Next Sala Tme:</source>
        <translation>الصلاة التالية:</translation>
    </message>
    <message>
        <source>Close Window</source>
        <translation>إغلاق النافذة</translation>
    </message>
    <message>
        <source>Stop Athan !</source>
        <translation>أوقف الأذان !</translation>
    </message>
    <message>
        <source>Sala Time Reminder</source>
        <translation>تذكير بوقت الصلاة</translation>
    </message>
    <message>
        <source>Later (!!)</source>
        <translation>لاحقًا (!!)</translation>
    </message>
    <message>
        <source>I have already Prayed</source>
        <translation>لقد صليت بالفعل</translation>
    </message>
    <message>
        <source>Remind again me in:</source>
        <translation>ذكّرني مرة أخرى بعد:</translation>
    </message>
    <message>
        <source>minutes</source>
        <translation>دقائق</translation>
    </message>
    <message>
        <source>Minutes until the reminder</source>
        <translation>الدقائق حتى التذكير</translation>
    </message>
    <message>
        <source>Command menu</source>
        <translation>قائمة الأوامر</translation>
    </message>
    <message>
        <source>About Salvenor</source>
        <translation>حول Salvenor</translation>
    </message>
    <message>
        <source>Setup</source>
        <translation>إعداد</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>خيارات</translation>
    </message>
    <message>
        <source>Custom offset from GMT in hours</source>
        <translation>فرق مخصص عن توقيت غرينتش بالساعات</translation>
    </message>
    <message>
        <source>Today&apos;s prayer times</source>
        <translation>مواقيت صلاة اليوم</translation>
    </message>
    <message>
        <source>Too Much Cities...not all cities are displayed!!</source>
        <translation>مدن كثيرة جدًا...لم تُعرض كل المدن!!</translation>
    </message>
    <message>
        <source>%1 was not found.</source>
        <translation>لم يُعثر على %1.</translation>
    </message>
    <message>
        <source>Access to %1 was denied.</source>
        <translation>رُفض الوصول إلى %1.</translation>
    </message>
    <message>
        <source>An unexpected error occurred while opening %1.</source>
        <translation>حدث خطأ غير متوقع أثناء فتح %1.</translation>
    </message>
    <message>
        <source>The world city database is damaged: %s.
The country and city lists cannot be trusted; you might need to re-install ZAV again.</source>
        <translation>قاعدة بيانات مدن العالم تالفة: %s.
لا يمكن الوثوق بقائمتي الدول والمدن؛ قد تحتاج إلى إعادة تثبيت ZAV.</translation>
    </message>
    <message>
        <source>world.sum lists a country without a name</source>
        <translation>يذكر world.sum دولة بلا اسم</translation>
    </message>
    <message>
        <source>the countries of world.sum do not point to their cities in order</source>
        <translation>دول world.sum لا تشير إلى مدنها بالترتيب</translation>
    </message>
    <message>
        <source>world.sum points past the end of IndexWorld.zav</source>
        <translation>يشير world.sum إلى ما بعد نهاية IndexWorld.zav</translation>
    </message>
    <message>
        <source>IndexWorld.zav holds cities whose coordinates no place can have; they are left out</source>
        <translation>يحتوي IndexWorld.zav على مدن بإحداثيات لا يمكن أن تكون لأي مكان؛ تم استبعادها</translation>
    </message>
    <message>
        <source>The world city database is built from GeoNames (https://www.geonames.org/), licensed under CC BY 4.0 (https://creativecommons.org/licenses/by/4.0/).</source>
        <translation>قاعدة بيانات مدن العالم مبنية من GeoNames (https://www.geonames.org/)، بترخيص CC BY 4.0 (https://creativecommons.org/licenses/by/4.0/).</translation>
    </message>
    <message>
        <source>Country And city selection</source>
        <translation>اختيار الدولة والمدينة</translation>
    </message>
    <message>
        <source>Chose Country</source>
        <translation>اختر الدولة</translation>
    </message>
    <message>
        <source>Chose City</source>
        <translation>اختر المدينة</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>الدولة</translation>
    </message>
    <message>
        <source>Current Country: </source>
        <translation>الدولة الحالية: </translation>
    </message>
    <message>
        <source>COUNTRY NAME</source>
        <translation>اسم الدولة</translation>
    </message>
    <message>
        <source>City Name</source>
        <translation>اسم المدينة</translation>
    </message>
    <message>
        <source>City First Character:</source>
        <translation>الحرف الأول من المدينة:</translation>
    </message>
    <message>
        <source>Current City:</source>
        <translation>المدينة الحالية:</translation>
    </message>
    <message>
        <source>CURRENT CITY</source>
        <translation>المدينة الحالية</translation>
    </message>
    <message>
        <source>&amp;Not Found? Press Here...</source>
        <translation>&amp;غير موجودة؟ اضغط هنا...</translation>
    </message>
    <message>
        <source>Country was not yet selected - Please select country first!</source>
        <translation>لم تُختر الدولة بعد - يرجى اختيار الدولة أولًا!</translation>
    </message>
    <message>
        <source>Error Occurred while building the city list!!</source>
        <translation>حدث خطأ أثناء إنشاء قائمة المدن!!</translation>
    </message>
    <message>
        <source>No Enough memory to list all of the Cities !!</source>
        <translation>لا توجد ذاكرة كافية لعرض كل المدن !!</translation>
    </message>
    <message>
        <source>No City with that letter, please choose another one</source>
        <translation>لا توجد مدينة بهذا الحرف، يرجى اختيار حرف آخر</translation>
    </message>
    <message>
        <source>The database lists no city for that country</source>
        <translation>لا تذكر قاعدة البيانات أي مدينة لتلك الدولة</translation>
    </message>
    <message>
        <source>Invalid Country..please select a valid country from the country list</source>
        <translation>دولة غير صالحة..يرجى اختيار دولة صالحة من قائمة الدول</translation>
    </message>
    <message>
        <source>Please choose a city of the new country from the city list, or press &quot;Not Found? Press Here...&quot; to type its coordinates.</source>
        <translation>يرجى اختيار مدينة من الدولة الجديدة من قائمة المدن، أو الضغط على &quot;غير موجودة؟ اضغط هنا...&quot; لكتابة إحداثياتها.</translation>
    </message>
    <message>
        <source>Choose your city: menu, Setup...</source>
        <translation>اختر مدينتك: القائمة، إعداد...</translation>
    </message>
    <message>
        <source>no city chosen yet (menu, Setup...)</source>
        <translation>لم تُختر مدينة بعد (القائمة، إعداد...)</translation>
    </message>
    <message>
        <source>Salvenor (ZAV)</source>
        <translation>Salvenor (ZAV)</translation>
    </message>
    <message>
        <source>Reading configurations.... Please wait!</source>
        <translation>جارٍ قراءة الإعدادات.... يرجى الانتظار!</translation>
    </message>
    <message>
        <source>File Error...you may need to re-install ZAV again!!!</source>
        <translation>خطأ في الملف...قد تحتاج إلى إعادة تثبيت ZAV!!!</translation>
    </message>
    <message>
        <source>File Error...you may need to re-install ZAV again!!!

%s</source>
        <translation>خطأ في الملف...قد تحتاج إلى إعادة تثبيت ZAV!!!

%s</translation>
    </message>
    <message>
        <source>Cannot open file %s</source>
        <translation>لا يمكن فتح الملف %s</translation>
    </message>
    <message>
        <source>Today Pryer Times</source>
        <translation>مواقيت صلاة اليوم</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>موافق</translation>
    </message>
    <message>
        <source>Makkah Um Ul-Qura</source>
        <translation>أم القرى، مكة المكرمة</translation>
    </message>
    <message>
        <source>IslamicSocietyofNorthAmerica (ISNA)</source>
        <translation>الجمعية الإسلامية لأمريكا الشمالية (ISNA)</translation>
    </message>
    <message>
        <source>About Salvenor Version 2.0</source>
        <translation>حول Salvenor الإصدار 2.0</translation>
    </message>
    <message>
        <source>Version 2.0</source>
        <translation>الإصدار 2.0</translation>
    </message>
    <message>
        <source>Released December 2026</source>
        <translation>صدر في ديسمبر 2026</translation>
    </message>
    <message>
        <source>Prayer times for your desktop</source>
        <translation>مواقيت الصلاة على سطح مكتبك</translation>
    </message>
    <message>
        <source>Package version %1</source>
        <translation>إصدار الحزمة %1</translation>
    </message>
    <message>
        <source>Copyright (C) 2026 The Salvenor developers</source>
        <translation>حقوق النشر (C) 2026 مطورو Salvenor</translation>
    </message>
    <message>
        <source>Salvenor is free software: you can redistribute it and/or modify it under the terms of the GNU General Public License, version 3 or (at your option) any later version (GPL-3.0-or-later). It comes with no warranty.</source>
        <translation>Salvenor برنامج حر: يمكنك إعادة توزيعه و/أو تعديله وفق شروط رخصة جنو العمومية، الإصدار 3 أو (حسب اختيارك) أي إصدار لاحق (GPL-3.0-or-later). ويأتي دون أي ضمان.</translation>
    </message>
    <message>
        <source>Salvenor (ZAV) New Installation Setup</source>
        <translation>إعداد تثبيت جديد لـ Salvenor (ZAV)</translation>
    </message>
    <message>
        <source>ZAV INITIAL SETUP</source>
        <translation>الإعداد الأولي لـ ZAV</translation>
    </message>
    <message>
        <source>You will need to enter the COUNTRY NAME and the CITY NAME so that the ZAV can adjust prayer times to your location. </source>
        <translation>ستحتاج إلى إدخال اسم الدولة واسم المدينة حتى يضبط ZAV مواقيت الصلاة على موقعك. </translation>
    </message>
    <message>
        <source>In the coming dialog, please select those settings carefuly. You can change that at any time from the &quot;Setup&quot; menu. </source>
        <translation>في النافذة التالية، يرجى اختيار هذه الإعدادات بعناية. يمكنك تغييرها في أي وقت من قائمة &quot;إعداد&quot;. </translation>
    </message>
    <message>
        <source>Press &quot;Continue&quot; to begin the setings or Exit if you wish to cancel Setup (Note if you cancel, a default setup will be put for you which might not be correct</source>
        <translation>اضغط &quot;متابعة&quot; لبدء الإعداد أو خروج إذا أردت إلغاء الإعداد (ملاحظة: إذا ألغيت، فسيوضع لك إعداد افتراضي قد لا يكون صحيحًا)</translation>
    </message>
    <message>
        <source>Continue...</source>
        <translation>متابعة...</translation>
    </message>
    <message>
        <source>Exit !</source>
        <translation>خروج !</translation>
    </message>
    <message>
        <source>Reminder</source>
        <translation>تذكير</translation>
    </message>
    <message>
        <source>Please visit our website at:</source>
        <translation>يرجى زيارة موقعنا على:</translation>
    </message>
    <message>
        <source>For support, questions, suggestions or comments please send us an email on</source>
        <translation>للدعم أو الأسئلة أو الاقتراحات أو التعليقات يرجى مراسلتنا على</translation>
    </message>
    <message>
        <source>Not Supported !!</source>
        <translation>غير مدعوم !!</translation>
    </message>
    <message>
        <source>Not supported yet</source>
        <translation>غير مدعوم بعد</translation>
    </message>
    <message>
        <source>This feature is not part of this release.</source>
        <translation>هذه الميزة ليست جزءًا من هذا الإصدار.</translation>
    </message>
    <message>
        <source>News of future releases:</source>
        <translation>أخبار الإصدارات القادمة:</translation>
    </message>
    <message>
        <source>Please enter a number.</source>
        <translation>يرجى إدخال رقم.</translation>
    </message>
    <message>
        <source>Please enter an integer.</source>
        <translation>يرجى إدخال عدد صحيح.</translation>
    </message>
    <message>
        <source>Please enter a positive integer.</source>
        <translation>يرجى إدخال عدد صحيح موجب.</translation>
    </message>
    <message>
        <source>Please enter an integer between %1 and %2.</source>
        <translation>يرجى إدخال عدد صحيح بين %1 و%2.</translation>
    </message>
    <message>
        <source>Please enter a number between %1 and %2.</source>
        <translation>يرجى إدخال رقم بين %1 و%2.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>إلغاء</translation>
    </message>
    <message>
        <source>Location Positioning</source>
        <translation>تحديد الموقع</translation>
    </message>
    <message>
        <source>CityName</source>
        <translation>اسم المدينة</translation>
    </message>
    <message>
        <source>City Coordinates</source>
        <translation>إحداثيات المدينة</translation>
    </message>
    <message>
        <source>Enter  Longitude:</source>
        <translation>أدخل خط الطول:</translation>
    </message>
    <message>
        <source>Enter  Latitude:</source>
        <translation>أدخل خط العرض:</translation>
    </message>
    <message>
        <source>Enter  Altitude</source>
        <translation>أدخل الارتفاع</translation>
    </message>
    <message>
        <source>Decimal</source>
        <translation>عشري</translation>
    </message>
    <message>
        <source>No sound device: the athan cannot be heard.</source>
        <translation>لا يوجد جهاز صوت: لا يمكن سماع الأذان.</translation>
    </message>
    <message>
        <source>North and east are positive, south and west negative (73.95 W is -73.95).</source>
        <translation>الشمال والشرق موجبان، والجنوب والغرب سالبان (73.95 غربًا هي -73.95).</translation>
    </message>
    <message>
        <source>(Meters)</source>
        <translation>(متر)</translation>
    </message>
    <message>
        <source>Advanced Setup</source>
        <translation>إعداد متقدم</translation>
    </message>
    <message>
        <source>Time Zone</source>
        <translation>المنطقة الزمنية</translation>
    </message>
    <message>
        <source>&amp;Follow Windows</source>
        <translation>&amp;اتباع النظام</translation>
    </message>
    <message>
        <source>Custom:</source>
        <translation>مخصص:</translation>
    </message>
    <message>
        <source>GMT</source>
        <translation>غرينتش</translation>
    </message>
    <message>
        <source>Calculation Way</source>
        <translation>طريقة الحساب</translation>
    </message>
    <message>
        <source>Month Calendar</source>
        <translation>تقويم الشهر</translation>
    </message>
    <message>
        <source>Select Month:</source>
        <translation>اختر الشهر:</translation>
    </message>
    <message>
        <source>Select Year:</source>
        <translation>اختر السنة:</translation>
    </message>
    <message>
        <source>Hijri</source>
        <translation>هجري</translation>
    </message>
    <message>
        <source>Georgian</source>
        <translation>ميلادي</translation>
    </message>
    <message>
        <source>Print...</source>
        <translation>طباعة...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>إغلاق</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;ملف</translation>
    </message>
    <message>
        <source>&amp;Save As...</source>
        <translation>&amp;حفظ باسم...</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;طباعة</translation>
    </message>
    <message>
        <source>Print Pre&amp;view</source>
        <translation>&amp;معاينة الطباعة</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>إ&amp;غلاق</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>تحرير</translation>
    </message>
    <message>
        <source>&amp;Copy               Ctrl+C</source>
        <translation>&amp;نسخ               Ctrl+C</translation>
    </message>
    <message>
        <source>Select &amp;All        Ctrl+A</source>
        <translation>تحديد ال&amp;كل        Ctrl+A</translation>
    </message>
    <message>
        <source>&amp;Find</source>
        <translation>&amp;بحث</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>تنسيق</translation>
    </message>
    <message>
        <source>Font...</source>
        <translation>الخط...</translation>
    </message>
    <message>
        <source>The Hijri calendar here runs from Muharram of the year 1 to the year 9999.</source>
        <translation>التقويم الهجري هنا يمتد من محرم سنة 1 إلى سنة 9999.</translation>
    </message>
    <message>
        <source>The Gregorian calendar here runs from August 622 to the year 9999.</source>
        <translation>التقويم الميلادي هنا يمتد من أغسطس 622 إلى سنة 9999.</translation>
    </message>
    <message>
        <source>Save Page As</source>
        <translation>حفظ الصفحة باسم</translation>
    </message>
    <message>
        <source>HTML page (*.html *.htm)</source>
        <translation>صفحة HTML (*.html *.htm)</translation>
    </message>
    <message>
        <source>The page could not be saved as %1.</source>
        <translation>تعذّر حفظ الصفحة باسم %1.</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>الشهر</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>السنة</translation>
    </message>
    <message>
        <source>Next year</source>
        <translation>السنة التالية</translation>
    </message>
    <message>
        <source>Previous year</source>
        <translation>السنة السابقة</translation>
    </message>
    <message>
        <source>Next month</source>
        <translation>الشهر التالي</translation>
    </message>
    <message>
        <source>Previous month</source>
        <translation>الشهر السابق</translation>
    </message>
    <message>
        <source>Calendar</source>
        <translation>التقويم</translation>
    </message>
    <message>
        <source>Calendar page</source>
        <translation>صفحة التقويم</translation>
    </message>
    <message>
        <source>Menu bar</source>
        <translation>شريط القوائم</translation>
    </message>
    <message>
        <source>Year range</source>
        <translation>نطاق السنوات</translation>
    </message>
    <message>
        <source>Fi&amp;nd:</source>
        <translation>&amp;بحث:</translation>
    </message>
    <message>
        <source>Text to find</source>
        <translation>النص المطلوب</translation>
    </message>
    <message>
        <source>Ne&amp;xt</source>
        <translation>ال&amp;تالي</translation>
    </message>
    <message>
        <source>Pre&amp;vious</source>
        <translation>ال&amp;سابق</translation>
    </message>
    <message>
        <source>Close find bar</source>
        <translation>إغلاق شريط البحث</translation>
    </message>
    <message>
        <source>Find result</source>
        <translation>نتيجة البحث</translation>
    </message>
    <message>
        <source>Not found</source>
        <translation>غير موجود</translation>
    </message>
    <message>
        <source>Reached the end of the page, continued from the top</source>
        <translation>بلغ البحث نهاية الصفحة، وتابع من أعلاها</translation>
    </message>
    <message>
        <source>Reached the start of the page, continued from the bottom</source>
        <translation>بلغ البحث بداية الصفحة، وتابع من أسفلها</translation>
    </message>
    <message>
        <source>Athan &amp; Reminder Settings</source>
        <translation>إعدادات الأذان والتذكير</translation>
    </message>
    <message>
        <source>All Prayer Athan File (WAV)</source>
        <translation>ملف أذان كل الصلوات (WAV)</translation>
    </message>
    <message>
        <source>Fajr Prayer Athan File (WAV):</source>
        <translation>ملف أذان صلاة الفجر (WAV):</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>استعراض...</translation>
    </message>
    <message>
        <source>Display Athan Dialog and Play Athan Sound When Prayer Time Comes</source>
        <translation>عرض نافذة الأذان وتشغيل صوت الأذان عند حلول وقت الصلاة</translation>
    </message>
    <message>
        <source>Bring Time Bar on Top to Remind of Prayer Time</source>
        <translation>إحضار شريط الوقت إلى المقدمة للتذكير بوقت الصلاة</translation>
    </message>
    <message>
        <source>Mute All Sounds</source>
        <translation>كتم كل الأصوات</translation>
    </message>
    <message>
        <source>Start Salvenor when I &amp;log in</source>
        <translation>تشغيل Salvenor عند &amp;تسجيل الدخول</translation>
    </message>
    <message>
        <source>Salvenor could not change its login start entry:
%1</source>
        <translation>تعذّر على Salvenor تغيير مدخل التشغيل عند الدخول:
%1</translation>
    </message>
    <message>
        <source>Play or stop the All Prayer Athan</source>
        <translation>تشغيل أو إيقاف أذان كل الصلوات</translation>
    </message>
    <message>
        <source>Play or stop the Fajr Prayer Athan</source>
        <translation>تشغيل أو إيقاف أذان الفجر</translation>
    </message>
    <message>
        <source>Browse for the All Prayer Athan File</source>
        <translation>استعراض ملف أذان كل الصلوات</translation>
    </message>
    <message>
        <source>Browse for the Fajr Prayer Athan File</source>
        <translation>استعراض ملف أذان الفجر</translation>
    </message>
    <message>
        <source>Wave Files (*.wav) </source>
        <translation>ملفات صوت WAV (*.wav) </translation>
    </message>
    <message>
        <source>All Files (*.*)</source>
        <translation>كل الملفات (*.*)</translation>
    </message>
    <message>
        <source>Date Adjustments</source>
        <translation>تعديل التاريخ</translation>
    </message>
    <message>
        <source>Not Supported In this version</source>
        <translation>غير مدعوم في هذا الإصدار</translation>
    </message>
    <message>
        <source>Overwrite the current Hijri date</source>
        <translation>تغيير التاريخ الهجري الحالي</translation>
    </message>
    <message>
        <source>Today is:</source>
        <translation>اليوم هو:</translation>
    </message>
    <message>
        <source>of</source>
        <translation>من</translation>
    </message>
    <message>
        <source>Chose Hijri Month</source>
        <translation>اختر الشهر الهجري</translation>
    </message>
    <message>
        <source>Hijri day of month</source>
        <translation>اليوم من الشهر الهجري</translation>
    </message>
    <message>
        <source>Hijri month</source>
        <translation>الشهر الهجري</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>اللغة</translation>
    </message>
    <message>
        <source>System</source>
        <translation>النظام</translation>
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
        <translation>%1 بعد %2 س %3 د</translation>
    </message>
    <message>
        <source>%1 in %2 min</source>
        <translation>%1 بعد %2 د</translation>
    </message>
    <message>
        <source>Prayer bar</source>
        <translation>شريط الصلاة</translation>
    </message>
    <message>
        <source>Put the bar back in the corner</source>
        <translation>أعد الشريط إلى الزاوية</translation>
    </message>
    <message>
        <source>Or &amp;search:</source>
        <translation>أو اب&amp;حث:</translation>
    </message>
    <message>
        <source>Any part of the name</source>
        <translation>أي جزء من الاسم</translation>
    </message>
    <message>
        <source>Cities found</source>
        <translation>المدن التي وُجدت</translation>
    </message>
    <message>
        <source>%1   (%2)</source>
        <translation>%1   (%2)</translation>
    </message>
    <message>
        <source>No city of this country has that name.</source>
        <translation>لا توجد مدينة في هذا البلد بهذا الاسم.</translation>
    </message>
    <message>
        <source>The first %1 of %2 cities: type more to see the others.</source>
        <translation>أول %1 من %2 مدينة: اكتب المزيد لرؤية البقية.</translation>
    </message>
    <message>
        <source>University of Islamic Sciences, Karachi</source>
        <translation>جامعة العلوم الإسلامية، كراتشي</translation>
    </message>
    <message>
        <source>Kuwait</source>
        <translation>الكويت</translation>
    </message>
    <message>
        <source>Qatar</source>
        <translation>قطر</translation>
    </message>
    <message>
        <source>Dubai (United Arab Emirates)</source>
        <translation>دبي (الإمارات العربية المتحدة)</translation>
    </message>
    <message>
        <source>Singapore (MUIS)</source>
        <translation>سنغافورة (MUIS)</translation>
    </message>
    <message>
        <source>Institute of Geophysics, University of Tehran</source>
        <translation>معهد الجيوفيزياء، جامعة طهران</translation>
    </message>
    <message>
        <source>Diyanet, Turkey</source>
        <translation>رئاسة الشؤون الدينية (Diyanet)، تركيا</translation>
    </message>
    <message>
        <source>Moonsighting Committee Worldwide</source>
        <translation>Moonsighting Committee Worldwide</translation>
    </message>
    <message>
        <source>Umm al-Qura, Makkah</source>
        <translation>أم القرى، مكة المكرمة</translation>
    </message>
    <message>
        <source>Muslim World League</source>
        <translation>رابطة العالم الإسلامي</translation>
    </message>
    <message>
        <source>Egyptian General Authority of Survey</source>
        <translation>الهيئة المصرية العامة للمساحة</translation>
    </message>
    <message>
        <source>Time for %1</source>
        <translation>حان وقت %1</translation>
    </message>
    <message>
        <source>%1 at %2</source>
        <translation>%1 في %2</translation>
    </message>
    <message>
        <source>%1 in %2 minutes</source>
        <translation>%1 بعد %2 دقيقة</translation>
    </message>
    <message>
        <source>Desktop notifications</source>
        <translation>إشعارات سطح المكتب</translation>
    </message>
    <message>
        <source>Notify me at each prayer time</source>
        <translation>نبّهني عند كل وقت صلاة</translation>
    </message>
    <message>
        <source>Warn me before each prayer</source>
        <translation>حذّرني قبل كل صلاة</translation>
    </message>
    <message>
        <source> minutes before</source>
        <translation> دقيقة قبلها</translation>
    </message>
    <message>
        <source>Minutes of the warning before each prayer</source>
        <translation>دقائق التنبيه قبل كل صلاة</translation>
    </message>
    <message>
        <source>&amp;Export Prayer Times...</source>
        <translation>&amp;تصدير مواقيت الصلاة...</translation>
    </message>
    <message>
        <source>Salvenor could not write the prayer times to:
%1</source>
        <translation>تعذّر على Salvenor كتابة مواقيت الصلاة في:
%1</translation>
    </message>
    <message>
        <source>iCalendar Files (*.ics)</source>
        <translation>ملفات iCalendar (*.ics)</translation>
    </message>
    <message>
        <source>%s in %d minutes</source>
        <translation>%s بعد %d دقيقة</translation>
    </message>
    <message>
        <source>%ld degrees, %s</source>
        <translation>%ld درجة، %s</translation>
    </message>
    <message>
        <source>north</source>
        <translation>الشمال</translation>
    </message>
    <message>
        <source>north-north-east</source>
        <translation>شمال الشمال الشرقي</translation>
    </message>
    <message>
        <source>north-east</source>
        <translation>الشمال الشرقي</translation>
    </message>
    <message>
        <source>east-north-east</source>
        <translation>شرق الشمال الشرقي</translation>
    </message>
    <message>
        <source>east</source>
        <translation>الشرق</translation>
    </message>
    <message>
        <source>east-south-east</source>
        <translation>شرق الجنوب الشرقي</translation>
    </message>
    <message>
        <source>south-east</source>
        <translation>الجنوب الشرقي</translation>
    </message>
    <message>
        <source>south-south-east</source>
        <translation>جنوب الجنوب الشرقي</translation>
    </message>
    <message>
        <source>south</source>
        <translation>الجنوب</translation>
    </message>
    <message>
        <source>south-south-west</source>
        <translation>جنوب الجنوب الغربي</translation>
    </message>
    <message>
        <source>south-west</source>
        <translation>الجنوب الغربي</translation>
    </message>
    <message>
        <source>west-south-west</source>
        <translation>غرب الجنوب الغربي</translation>
    </message>
    <message>
        <source>west</source>
        <translation>الغرب</translation>
    </message>
    <message>
        <source>west-north-west</source>
        <translation>غرب الشمال الغربي</translation>
    </message>
    <message>
        <source>north-west</source>
        <translation>الشمال الغربي</translation>
    </message>
    <message>
        <source>north-north-west</source>
        <translation>شمال الشمال الغربي</translation>
    </message>
    <message>
        <source>Calculation</source>
        <translation>الحساب</translation>
    </message>
    <message>
        <source>Custom angles</source>
        <translation>زوايا مخصصة</translation>
    </message>
    <message>
        <source>&amp;Convention:</source>
        <translation>ال&amp;طريقة:</translation>
    </message>
    <message>
        <source>The built-in way of Advanced Setup</source>
        <translation>الطريقة المدمجة في الإعداد المتقدم</translation>
    </message>
    <message>
        <source>Whose angles give Fajr and Isha: the built-in way, a published convention, or your own.</source>
        <translation>الزوايا التي تحدد الفجر والعشاء: الطريقة المدمجة، أو طريقة منشورة، أو زواياك الخاصة.</translation>
    </message>
    <message>
        <source>&amp;Fajr angle:</source>
        <translation>زاوية ال&amp;فجر:</translation>
    </message>
    <message>
        <source>&amp;Isha angle:</source>
        <translation>&amp;زاوية العشاء:</translation>
    </message>
    <message>
        <source>or Isha &amp;minutes after Maghrib:</source>
        <translation>أو العشاء بعد المغرب بـ &amp;دقائق:</translation>
    </message>
    <message>
        <source>Custom: the sun&apos;s depression at Fajr and Isha, or Isha a fixed time after Maghrib (0: by angle).</source>
        <translation>مخصص: انخفاض الشمس عند الفجر والعشاء، أو العشاء بعد المغرب بوقت ثابت (0: حسب الزاوية).</translation>
    </message>
    <message>
        <source>&amp;Asr:</source>
        <translation>ال&amp;عصر:</translation>
    </message>
    <message>
        <source>Standard (Shafi&apos;i, Maliki, Hanbali)</source>
        <translation>الجمهور (الشافعي، المالكي، الحنبلي)</translation>
    </message>
    <message>
        <source>Hanafi</source>
        <translation>الحنفي</translation>
    </message>
    <message>
        <source>Asr begins when a shadow is one object length longer than at noon, or two (Hanafi).</source>
        <translation>يبدأ العصر حين يزيد الظل على ظل الزوال بطول الشيء مرة واحدة، أو مرتين (الحنفي).</translation>
    </message>
    <message>
        <source>Minutes added:</source>
        <translation>الدقائق المضافة:</translation>
    </message>
    <message>
        <source>Minutes (-30 to 30) added to each time, as your mosque&apos;s timetable does.</source>
        <translation>دقائق (من -30 إلى 30) تضاف إلى كل وقت، كما يفعل جدول مسجدك.</translation>
    </message>
    <message>
        <source>Minutes added to %1</source>
        <translation>الدقائق المضافة إلى %1</translation>
    </message>
    <message>
        <source>&amp;High latitudes:</source>
        <translation>&amp;خطوط العرض العليا:</translation>
    </message>
    <message>
        <source>A seventh of the night</source>
        <translation>سُبع الليل</translation>
    </message>
    <message>
        <source>The middle of the night</source>
        <translation>منتصف الليل</translation>
    </message>
    <message>
        <source>The angle&apos;s share of the night</source>
        <translation>حصة الليل حسب الزاوية</translation>
    </message>
    <message>
        <source>Fajr and Isha where the sun does not sink to their angle (summer nights far north).</source>
        <translation>الفجر والعشاء حيث لا تنخفض الشمس إلى زاويتهما (ليالي الصيف في أقصى الشمال).</translation>
    </message>
    <message>
        <source>&amp;Sun:</source>
        <translation>ال&amp;شمس:</translation>
    </message>
    <message>
        <source>The built-in table</source>
        <translation>الجدول المدمج</translation>
    </message>
    <message>
        <source>Computed for the date</source>
        <translation>محسوبة لكل تاريخ</translation>
    </message>
    <message>
        <source>The sun&apos;s place from the built-in table of one year, or computed for each date.</source>
        <translation>موضع الشمس من الجدول المدمج لسنة واحدة، أو محسوبًا لكل تاريخ.</translation>
    </message>
    <message>
        <source>Hijri &amp;day adjustment:</source>
        <translation>تعديل ال&amp;يوم الهجري:</translation>
    </message>
    <message>
        <source>Days (-2 to 2) added to the Hijri date, to follow the local moon sighting.</source>
        <translation>أيام (من -2 إلى 2) تضاف إلى التاريخ الهجري، لاتباع رؤية الهلال المحلية.</translation>
    </message>
    <message>
        <source>Today&apos;s times with these choices:</source>
        <translation>مواقيت اليوم بهذه الاختيارات:</translation>
    </message>
    <message>
        <source>Proposed for %1: %2. OK confirms it; Cancel keeps your choice.</source>
        <translation>المقترح لـ %1: %2. موافق يؤكده؛ إلغاء يبقي اختيارك.</translation>
    </message>
    <message>
        <source>In force: %1 (chosen on the Calculation page).</source>
        <translation>المعمول به: %1 (اختير في صفحة الحساب).</translation>
    </message>
    <message>
        <source>Your choices could not be saved in %1 (%2). They stay in force until Salvenor is closed.</source>
        <translation>تعذّر حفظ اختياراتك في %1 (%2). ستبقى سارية حتى يُغلق Salvenor.</translation>
    </message>
    <message>
        <source>Qibla (direction of the Kaaba from true north): %1</source>
        <translation>القبلة (اتجاه الكعبة من الشمال الحقيقي): %1</translation>
    </message>
    <message>
        <source>1 Muhaaran: &lt;font color=&quot;#800040&quot;&gt; Start of the Hijri Calendar</source>
        <translation>١ محرم: &lt;font color=&quot;#800040&quot;&gt;بداية التقويم الهجري</translation>
    </message>
    <message>
        <source>2 Safar: &lt;font color=&quot;#800040&quot;&gt;Hijra from Makka to Madina</source>
        <translation>٢٧ صفر: &lt;font color=&quot;#800040&quot;&gt;الهجرة من مكة إلى المدينة</translation>
    </message>
    <message>
        <source>12 of Raby` al-awal: &lt;font color=&quot;#800040&quot;&gt;The Birth of Prophet Muhammad (SAAWS)</source>
        <translation>١٢ ربيع الأول: &lt;font color=&quot;#800040&quot;&gt;مولد النبي محمد ﷺ</translation>
    </message>
    <message>
        <source>27 of Rajab: &lt;font color=&quot;#800040&quot;&gt;Isra&apos; and Mi&apos;raj</source>
        <translation>٢٧ رجب: &lt;font color=&quot;#800040&quot;&gt;الإسراء والمعراج</translation>
    </message>
    <message>
        <source>1  Ramadan: &lt;font color=&quot;#800040&quot;&gt;Start Of Ramadan</source>
        <translation>١ رمضان: &lt;font color=&quot;#800040&quot;&gt;بداية شهر رمضان</translation>
    </message>
    <message>
        <source>17 Ramadan: &lt;font color=&quot;#800040&quot;&gt;Battle of Badr</source>
        <translation>١٧ رمضان: &lt;font color=&quot;#800040&quot;&gt;غزوة بدر</translation>
    </message>
    <message>
        <source>21 Ramadan: &lt;font color=&quot;#800040&quot;&gt;Conquest of Makkah</source>
        <translation>٢١ رمضان: &lt;font color=&quot;#800040&quot;&gt;فتح مكة</translation>
    </message>
    <message>
        <source>1,2,3 Shawwal: &lt;font color=&quot;#800040&quot;&gt;Eid Al-Fitr</source>
        <translation>١، ٢، ٣ شوال: &lt;font color=&quot;#800040&quot;&gt;عيد الفطر</translation>
    </message>
    <message>
        <source>6  Shawwal: &lt;font color=&quot;#800040&quot;&gt;Battle of Uhud</source>
        <translation>٦ شوال: &lt;font color=&quot;#800040&quot;&gt;غزوة أحد</translation>
    </message>
    <message>
        <source>10 Shawwal: &lt;font color=&quot;#800040&quot;&gt;Battle of Hunayn</source>
        <translation>١٠ شوال: &lt;font color=&quot;#800040&quot;&gt;غزوة حنين</translation>
    </message>
    <message>
        <source>17 of Thw al-Qi`dah: &lt;font color=&quot;#800040&quot;&gt;Battle of Al-Ahzab</source>
        <translation>١٧ ذو القعدة: &lt;font color=&quot;#800040&quot;&gt;غزوة الأحزاب</translation>
    </message>
    <message>
        <source>9  of Thw al-Hijjah: &lt;font color=&quot;#800040&quot;&gt;Day of Araft</source>
        <translation>٩ ذو الحجة: &lt;font color=&quot;#800040&quot;&gt;يوم عرفة</translation>
    </message>
    <message>
        <source>10,11,12 of Thw al-Hijjah: &lt;font color=&quot;#800040&quot;&gt;Eid Al-Adha</source>
        <translation>١٠، ١١، ١٢ ذو الحجة: &lt;font color=&quot;#800040&quot;&gt;عيد الأضحى</translation>
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
        <translation>ربيع ١</translation>
    </message>
    <message>
        <source>Rab2</source>
        <translation>ربيع ٢</translation>
    </message>
    <message>
        <source>Jmd1</source>
        <translation>جمادى ١</translation>
    </message>
    <message>
        <source>Jmd2</source>
        <translation>جمادى ٢</translation>
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
        <translation>القعدة</translation>
    </message>
    <message>
        <source>Hjah</source>
        <translation>الحجة</translation>
    </message>
    <message>
        <source>JAN</source>
        <translation>يناير</translation>
    </message>
    <message>
        <source>FEB</source>
        <translation>فبراير</translation>
    </message>
    <message>
        <source>MAR</source>
        <translation>مارس</translation>
    </message>
    <message>
        <source>APR</source>
        <translation>أبريل</translation>
    </message>
    <message>
        <source>MAY</source>
        <translation>مايو</translation>
    </message>
    <message>
        <source>JUN</source>
        <translation>يونيو</translation>
    </message>
    <message>
        <source>JUL</source>
        <translation>يوليو</translation>
    </message>
    <message>
        <source>AUG</source>
        <translation>أغسطس</translation>
    </message>
    <message>
        <source>SEP</source>
        <translation>سبتمبر</translation>
    </message>
    <message>
        <source>OCT</source>
        <translation>أكتوبر</translation>
    </message>
    <message>
        <source>NOV</source>
        <translation>نوفمبر</translation>
    </message>
    <message>
        <source>DEC</source>
        <translation>ديسمبر</translation>
    </message>
    <message>
        <source>latitude</source>
        <translation>خط العرض</translation>
    </message>
    <message>
        <source>longitude</source>
        <translation>خط الطول</translation>
    </message>
    <message>
        <source>altitude</source>
        <translation>الارتفاع</translation>
    </message>
    <message>
        <source>time-zone offset</source>
        <translation>فرق التوقيت</translation>
    </message>
    <message>
        <source>%s and %s</source>
        <translation>%s و%s</translation>
    </message>
    <message>
        <source>%s, %s</source>
        <translation>%s، %s</translation>
    </message>
    <message>
        <source>The new language is used as soon as you press OK.</source>
        <translation>تُستخدم اللغة الجديدة بمجرد الضغط على موافق.</translation>
    </message>
</context>
</TS>
