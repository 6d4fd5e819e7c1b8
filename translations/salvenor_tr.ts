<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="tr">
<context>
    <name>salvenor</name>
    <message>
        <source>Muharram</source>
        <translation>Muharrem</translation>
    </message>
    <message>
        <source>Safar</source>
        <translation>Safer</translation>
    </message>
    <message>
        <source>Raby` al-awal</source>
        <translation>Rebiülevvel</translation>
    </message>
    <message>
        <source>Raby` al-Thaany</source>
        <translation>Rebiülahir</translation>
    </message>
    <message>
        <source>Jumaada al-awal</source>
        <translation>Cemaziyelevvel</translation>
    </message>
    <message>
        <source>Jumaada al-Thaany</source>
        <translation>Cemaziyelahir</translation>
    </message>
    <message>
        <source>Rajab</source>
        <translation>Recep</translation>
    </message>
    <message>
        <source>Sha`baan</source>
        <translation>Şaban</translation>
    </message>
    <message>
        <source>Ramadan</source>
        <translation>Ramazan</translation>
    </message>
    <message>
        <source>Shawwal</source>
        <translation>Şevval</translation>
    </message>
    <message>
        <source>Thw al-Qi`dah</source>
        <translation>Zilkade</translation>
    </message>
    <message>
        <source>Thw al-Hijjah</source>
        <translation>Zilhicce</translation>
    </message>
    <message>
        <source>January</source>
        <translation>Ocak</translation>
    </message>
    <message>
        <source>February</source>
        <translation>Şubat</translation>
    </message>
    <message>
        <source>March</source>
        <translation>Mart</translation>
    </message>
    <message>
        <source>April</source>
        <translation>Nisan</translation>
    </message>
    <message>
        <source>May</source>
        <translation>Mayıs</translation>
    </message>
    <message>
        <source>June</source>
        <translation>Haziran</translation>
    </message>
    <message>
        <source>July</source>
        <translation>Temmuz</translation>
    </message>
    <message>
        <source>August</source>
        <translation>Ağustos</translation>
    </message>
    <message>
        <source>September</source>
        <translation>Eylül</translation>
    </message>
    <message>
        <source>October</source>
        <translation>Ekim</translation>
    </message>
    <message>
        <source>November</source>
        <translation>Kasım</translation>
    </message>
    <message>
        <source>December</source>
        <translation>Aralık</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>Pazar</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>Pazartesi</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>Salı</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>Çarşamba</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>Perşembe</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>Cuma</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>Cumartesi</translation>
    </message>
    <message>
        <source>PM</source>
        <translation>ÖS</translation>
    </message>
    <message>
        <source>pm</source>
        <translation>ös</translation>
    </message>
    <message>
        <source>AM</source>
        <translation>ÖÖ</translation>
    </message>
    <message>
        <source>am</source>
        <translation>öö</translation>
    </message>
    <message>
        <source>Fajr</source>
        <translation>İmsak</translation>
    </message>
    <message>
        <source>Shrook</source>
        <translation>Güneş</translation>
    </message>
    <message>
        <source>Thuhr</source>
        <translation>Öğle</translation>
    </message>
    <message>
        <source>Asr</source>
        <translation>İkindi</translation>
    </message>
    <message>
        <source>Maghrib</source>
        <translation>Akşam</translation>
    </message>
    <message>
        <source>Isha</source>
        <translation>Yatsı</translation>
    </message>
    <message>
        <source>Egyptian General Organisation of Surveying</source>
        <translation>Mısır Genel Harita Teşkilatı</translation>
    </message>
    <message>
        <source>Um Ul-Qura, Makkah</source>
        <translation>Ümmü&apos;l-Kurâ, Mekke</translation>
    </message>
    <message>
        <source>Islamic Society of North America (ISNA)</source>
        <translation>Kuzey Amerika İslam Cemiyeti (ISNA)</translation>
    </message>
    <message>
        <source>World Islamic League</source>
        <translation>Dünya İslam Birliği</translation>
    </message>
    <message>
        <source>
   ERROR READING READING DISK.

ZAV installation might have been corrupted, try last operation again!
If the problem still exists, you might need to re-install ZAV again</source>
        <translation>
   DİSK OKUMA HATASI.

ZAV kurulumu bozulmuş olabilir, son işlemi yeniden deneyin!
Sorun devam ederse ZAV&apos;ı yeniden kurmanız gerekebilir</translation>
    </message>
    <message>
        <source>Error Reading initialization file...
Program needs re-installation!!! </source>
        <translation>Ayar dosyası okunurken hata...
Programın yeniden kurulması gerekiyor!!! </translation>
    </message>
    <message>
        <source>Error Reading initialization file...
Program needs re-installation!!!</source>
        <translation>Ayar dosyası okunurken hata...
Programın yeniden kurulması gerekiyor!!!</translation>
    </message>
    <message>
        <source>
   ERROR SAVING LATEST CONFIGURATION TO THE DISK.

The disk could be full.Try setting the same configuration again.
If the problem still exists, you might want to restart ZAV or restart windows!
</source>
        <translation>
   SON AYARLAR DİSKE KAYDEDİLİRKEN HATA.

Disk dolu olabilir. Aynı ayarları yeniden yapmayı deneyin.
Sorun devam ederse ZAV&apos;ı veya bilgisayarı yeniden başlatmak isteyebilirsiniz!
</translation>
    </message>
    <message>
        <source>The configuration file zav.cfg was damaged. It has been kept as
%s
and setup now makes a new one.</source>
        <translation>Ayar dosyası zav.cfg bozuktu. Şu adla saklandı:
%s
ve kurulum şimdi yenisini oluşturuyor.</translation>
    </message>
    <message>
        <source>The configuration file zav.cfg is damaged and could not be set aside, so setup has changed nothing. Move the file away and start Salvenor again.</source>
        <translation>Ayar dosyası zav.cfg bozuk ve kenara alınamadı, bu yüzden kurulum hiçbir şeyi değiştirmedi. Dosyayı başka yere taşıyıp Salvenor&apos;u yeniden başlatın.</translation>
    </message>
    <message>
        <source>The configuration file zav.cfg is damaged: its %s cannot be right.
Salvenor uses the value of a new installation in its place for now; choose &amp;Setup... from the bar&apos;s menu to set it again.</source>
        <translation>Ayar dosyası zav.cfg bozuk: %s değeri doğru olamaz.
Salvenor şimdilik yerine yeni kurulumun değerini kullanıyor; yeniden ayarlamak için çubuğun menüsünden &amp;Kurulum... seçin.</translation>
    </message>
    <message>
        <source>  -- ERROR  --
Your application path is too long   
please re-install the application and select a shorter path
for your installation diretory!!</source>
        <translation>  -- HATA --
Uygulama yolunuz çok uzun   
lütfen uygulamayı yeniden kurun ve kurulum dizininiz için
daha kısa bir yol seçin!!</translation>
    </message>
    <message>
        <source>Next: %s at: %d:%02d %s</source>
        <translation>Sıradaki: %s saat: %d:%02d %s</translation>
    </message>
    <message>
        <source>&amp;About ZAV...</source>
        <translation>ZAV &amp;Hakkında...</translation>
    </message>
    <message>
        <source>&amp;Setup...</source>
        <translation>&amp;Kurulum...</translation>
    </message>
    <message>
        <source>&amp;Options...</source>
        <translation>&amp;Seçenekler...</translation>
    </message>
    <message>
        <source>&amp;Month Calendar...</source>
        <translation>&amp;Aylık Takvim...</translation>
    </message>
    <message>
        <source>&amp;Year Calendars...</source>
        <translation>&amp;Yıllık Takvimler...</translation>
    </message>
    <message>
        <source>Always On &amp;Top</source>
        <translation>Her Zaman &amp;Üstte</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;Hakkında...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>Çı&amp;kış</translation>
    </message>
    <message>
        <source>Salvenor (ZAV)
[Double Click for Prayer Times]</source>
        <translation>Salvenor (ZAV)
[Namaz Vakitleri için Çift Tıklayın]</translation>
    </message>
    <message>
        <source>Hidden Area</source>
        <translation>Gizli Alan</translation>
    </message>
    <message>
        <source>Today Prayer Times</source>
        <translation>Bugünün Namaz Vakitleri</translation>
    </message>
    <message>
        <source>Show Prayer Bar</source>
        <translation>Namaz Çubuğunu Göster</translation>
    </message>
    <message>
        <source>         Close Prayer Bar?         
(You can display it again from the task-bar icon)    </source>
        <translation>         Namaz Çubuğu Kapatılsın mı?         
(Görev çubuğu simgesinden yeniden gösterebilirsiniz)    </translation>
    </message>
    <message>
        <source>Do you really want to Exit Salvenor?</source>
        <translation>Salvenor&apos;dan gerçekten çıkmak istiyor musunuz?</translation>
    </message>
    <message>
        <source>Your desktop has no notification area, so Salvenor cannot show its tray icon.

Right-click the prayer bar for &quot;Today Prayer Times&quot;, &quot;Show Prayer Bar&quot; and &quot;Exit&quot;. The bar&apos;s menu button holds every other command.</source>
        <translation>Masaüstünüzde bildirim alanı yok, bu yüzden Salvenor simgesini gösteremiyor.

&quot;Bugünün Namaz Vakitleri&quot;, &quot;Namaz Çubuğunu Göster&quot; ve &quot;Çıkış&quot; için namaz çubuğuna sağ tıklayın. Diğer bütün komutlar çubuğun menü düğmesindedir.</translation>
    </message>
    <message>
        <source>The prayer bar stays shown: your desktop has no notification area from which it could be shown again.

To let other windows cover it, switch &quot;Always On Top&quot; off in the bar&apos;s menu.</source>
        <translation>Namaz çubuğu gösterilmeye devam ediyor: masaüstünüzde onu yeniden gösterebilecek bir bildirim alanı yok.

Diğer pencerelerin onu örtmesine izin vermek için çubuğun menüsünde &quot;Her Zaman Üstte&quot;yi kapatın.</translation>
    </message>
    <message>
        <source>Athan Time - ZAV</source>
        <translation>Ezan Vakti - ZAV</translation>
    </message>
    <message>
        <source>Its %s -- Time for &quot; %s &quot; Prayer </source>
        <translation>Saat %s -- &quot; %s &quot; Namazı Vakti </translation>
    </message>
    <message>
        <source>%s at %s</source>
        <translation>%s saat %s</translation>
    </message>
    <message>
        <source>Next Sala Tme:</source>
        <translation>Sıradaki Namaz Vakti:</translation>
    </message>
    <message>
        <source>Close Window</source>
        <translation>Pencereyi Kapat</translation>
    </message>
    <message>
        <source>Stop Athan !</source>
        <translation>Ezanı Durdur !</translation>
    </message>
    <message>
        <source>Sala Time Reminder</source>
        <translation>Namaz Vakti Hatırlatıcısı</translation>
    </message>
    <message>
        <source>Later (!!)</source>
        <translation>Sonra (!!)</translation>
    </message>
    <message>
        <source>I have already Prayed</source>
        <translation>Namazımı kıldım</translation>
    </message>
    <message>
        <source>Remind again me in:</source>
        <translation>Beni tekrar hatırlat:</translation>
    </message>
    <message>
        <source>minutes</source>
        <translation>dakika</translation>
    </message>
    <message>
        <source>Minutes until the reminder</source>
        <translation>Hatırlatmaya kalan dakika</translation>
    </message>
    <message>
        <source>Command menu</source>
        <translation>Komut menüsü</translation>
    </message>
    <message>
        <source>About Salvenor</source>
        <translation>Salvenor Hakkında</translation>
    </message>
    <message>
        <source>Setup</source>
        <translation>Kurulum</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Seçenekler</translation>
    </message>
    <message>
        <source>Custom offset from GMT in hours</source>
        <translation>GMT&apos;den saat olarak özel fark</translation>
    </message>
    <message>
        <source>Today&apos;s prayer times</source>
        <translation>Bugünün namaz vakitleri</translation>
    </message>
    <message>
        <source>Too Much Cities...not all cities are displayed!!</source>
        <translation>Çok Fazla Şehir...tüm şehirler gösterilmiyor!!</translation>
    </message>
    <message>
        <source>%1 was not found.</source>
        <translation>%1 bulunamadı.</translation>
    </message>
    <message>
        <source>Access to %1 was denied.</source>
        <translation>%1 erişimi reddedildi.</translation>
    </message>
    <message>
        <source>An unexpected error occurred while opening %1.</source>
        <translation>%1 açılırken beklenmeyen bir hata oluştu.</translation>
    </message>
    <message>
        <source>The world city database is damaged: %s.
The country and city lists cannot be trusted; you might need to re-install ZAV again.</source>
        <translation>Dünya şehir veritabanı bozuk: %s.
Ülke ve şehir listelerine güvenilemez; ZAV&apos;ı yeniden kurmanız gerekebilir.</translation>
    </message>
    <message>
        <source>world.sum lists a country without a name</source>
        <translation>world.sum adı olmayan bir ülke listeliyor</translation>
    </message>
    <message>
        <source>the countries of world.sum do not point to their cities in order</source>
        <translation>world.sum içindeki ülkeler şehirlerini sırayla göstermiyor</translation>
    </message>
    <message>
        <source>world.sum points past the end of IndexWorld.zav</source>
        <translation>world.sum, IndexWorld.zav dosyasının sonunu aşıyor</translation>
    </message>
    <message>
        <source>IndexWorld.zav holds cities whose coordinates no place can have; they are left out</source>
        <translation>IndexWorld.zav hiçbir yerin sahip olamayacağı koordinatlarda şehirler içeriyor; bunlar dışarıda bırakıldı</translation>
    </message>
    <message>
        <source>The world city database is built from GeoNames (https://www.geonames.org/), licensed under CC BY 4.0 (https://creativecommons.org/licenses/by/4.0/).</source>
        <translation>Dünya şehir veritabanı GeoNames&apos;ten (https://www.geonames.org/) oluşturulmuştur ve CC BY 4.0 (https://creativecommons.org/licenses/by/4.0/) ile lisanslıdır.</translation>
    </message>
    <message>
        <source>Country And city selection</source>
        <translation>Ülke ve Şehir Seçimi</translation>
    </message>
    <message>
        <source>Chose Country</source>
        <translation>Ülke Seçin</translation>
    </message>
    <message>
        <source>Chose City</source>
        <translation>Şehir Seçin</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>Ülke</translation>
    </message>
    <message>
        <source>Current Country: </source>
        <translation>Geçerli Ülke: </translation>
    </message>
    <message>
        <source>COUNTRY NAME</source>
        <translation>ÜLKE ADI</translation>
    </message>
    <message>
        <source>City Name</source>
        <translation>Şehir Adı</translation>
    </message>
    <message>
        <source>City First Character:</source>
        <translation>Şehrin İlk Harfi:</translation>
    </message>
    <message>
        <source>Current City:</source>
        <translation>Geçerli Şehir:</translation>
    </message>
    <message>
        <source>CURRENT CITY</source>
        <translation>GEÇERLİ ŞEHİR</translation>
    </message>
    <message>
        <source>&amp;Not Found? Press Here...</source>
        <translation>&amp;Bulunamadı mı? Buraya Basın...</translation>
    </message>
    <message>
        <source>Country was not yet selected - Please select country first!</source>
        <translation>Henüz ülke seçilmedi - Lütfen önce ülke seçin!</translation>
    </message>
    <message>
        <source>Error Occurred while building the city list!!</source>
        <translation>Şehir listesi oluşturulurken hata oluştu!!</translation>
    </message>
    <message>
        <source>No Enough memory to list all of the Cities !!</source>
        <translation>Tüm şehirleri listelemek için yeterli bellek yok !!</translation>
    </message>
    <message>
        <source>No City with that letter, please choose another one</source>
        <translation>Bu harfle başlayan şehir yok, lütfen başka bir harf seçin</translation>
    </message>
    <message>
        <source>The database lists no city for that country</source>
        <translation>Veritabanında o ülke için şehir yok</translation>
    </message>
    <message>
        <source>Invalid Country..please select a valid country from the country list</source>
        <translation>Geçersiz Ülke..lütfen ülke listesinden geçerli bir ülke seçin</translation>
    </message>
    <message>
        <source>Please choose a city of the new country from the city list, or press &quot;Not Found? Press Here...&quot; to type its coordinates.</source>
        <translation>Lütfen şehir listesinden yeni ülkenin bir şehrini seçin ya da koordinatlarını yazmak için &quot;Bulunamadı mı? Buraya Basın...&quot; düğmesine basın.</translation>
    </message>
    <message>
        <source>Choose your city: menu, Setup...</source>
        <translation>Şehrinizi seçin: menü, Kurulum...</translation>
    </message>
    <message>
        <source>no city chosen yet (menu, Setup...)</source>
        <translation>henüz şehir seçilmedi (menü, Kurulum...)</translation>
    </message>
    <message>
        <source>Salvenor (ZAV)</source>
        <translation>Salvenor (ZAV)</translation>
    </message>
    <message>
        <source>Reading configurations.... Please wait!</source>
        <translation>Ayarlar okunuyor.... Lütfen bekleyin!</translation>
    </message>
    <message>
        <source>File Error...you may need to re-install ZAV again!!!</source>
        <translation>Dosya Hatası...ZAV&apos;ı yeniden kurmanız gerekebilir!!!</translation>
    </message>
    <message>
        <source>File Error...you may need to re-install ZAV again!!!

%s</source>
        <translation>Dosya Hatası...ZAV&apos;ı yeniden kurmanız gerekebilir!!!

%s</translation>
    </message>
    <message>
        <source>Cannot open file %s</source>
        <translation>%s dosyası açılamıyor</translation>
    </message>
    <message>
        <source>Today Pryer Times</source>
        <translation>Bugünün Namaz Vakitleri</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Tamam</translation>
    </message>
    <message>
        <source>Makkah Um Ul-Qura</source>
        <translation>Ümmü&apos;l-Kurâ, Mekke</translation>
    </message>
    <message>
        <source>IslamicSocietyofNorthAmerica (ISNA)</source>
        <translation>Kuzey Amerika İslam Cemiyeti (ISNA)</translation>
    </message>
    <message>
        <source>About Salvenor Version 2.0</source>
        <translation>Salvenor Sürüm 2.0 Hakkında</translation>
    </message>
    <message>
        <source>Version 2.0</source>
        <translation>Sürüm 2.0</translation>
    </message>
    <message>
        <source>Released December 2026</source>
        <translation>Aralık 2026&apos;da yayımlandı</translation>
    </message>
    <message>
        <source>Prayer times for your desktop</source>
        <translation>Masaüstünüz için namaz vakitleri</translation>
    </message>
    <message>
        <source>Package version %1</source>
        <translation>Paket sürümü %1</translation>
    </message>
    <message>
        <source>Copyright (C) 2026 The Salvenor developers</source>
        <translation>Telif Hakkı (C) 2026 Salvenor geliştiricileri</translation>
    </message>
    <message>
        <source>Salvenor is free software: you can redistribute it and/or modify it under the terms of the GNU General Public License, version 3 or (at your option) any later version (GPL-3.0-or-later). It comes with no warranty.</source>
        <translation>Salvenor özgür yazılımdır: GNU Genel Kamu Lisansı sürüm 3 veya (tercihinize göre) daha sonraki herhangi bir sürümün (GPL-3.0-or-later) koşulları altında yeniden dağıtabilir ve/veya değiştirebilirsiniz. Hiçbir garanti verilmez.</translation>
    </message>
    <message>
        <source>Salvenor (ZAV) New Installation Setup</source>
        <translation>Salvenor (ZAV) Yeni Kurulum Ayarı</translation>
    </message>
    <message>
        <source>ZAV INITIAL SETUP</source>
        <translation>ZAV İLK KURULUM</translation>
    </message>
    <message>
        <source>You will need to enter the COUNTRY NAME and the CITY NAME so that the ZAV can adjust prayer times to your location. </source>
        <translation>ZAV&apos;ın namaz vakitlerini konumunuza göre ayarlayabilmesi için ÜLKE ADI ve ŞEHİR ADI girmeniz gerekecek. </translation>
    </message>
    <message>
        <source>In the coming dialog, please select those settings carefuly. You can change that at any time from the &quot;Setup&quot; menu. </source>
        <translation>Sonraki pencerede lütfen bu ayarları dikkatle seçin. Bunları istediğiniz zaman &quot;Kurulum&quot; menüsünden değiştirebilirsiniz. </translation>
    </message>
    <message>
        <source>Press &quot;Continue&quot; to begin the setings or Exit if you wish to cancel Setup (Note if you cancel, a default setup will be put for you which might not be correct</source>
        <translation>Ayarlara başlamak için &quot;Devam&quot; düğmesine basın veya Kurulumu iptal etmek istiyorsanız Çıkış&apos;a basın (Not: iptal ederseniz sizin için doğru olmayabilecek varsayılan bir ayar yapılır</translation>
    </message>
    <message>
        <source>Continue...</source>
        <translation>Devam...</translation>
    </message>
    <message>
        <source>Exit !</source>
        <translation>Çıkış !</translation>
    </message>
    <message>
        <source>Reminder</source>
        <translation>Hatırlatma</translation>
    </message>
    <message>
        <source>Please visit our website at:</source>
        <translation>Lütfen web sitemizi ziyaret edin:</translation>
    </message>
    <message>
        <source>For support, questions, suggestions or comments please send us an email on</source>
        <translation>Destek, sorular, öneriler veya yorumlar için lütfen bize şu adrese e-posta gönderin</translation>
    </message>
    <message>
        <source>Not Supported !!</source>
        <translation>Desteklenmiyor !!</translation>
    </message>
    <message>
        <source>Not supported yet</source>
        <translation>Henüz desteklenmiyor</translation>
    </message>
    <message>
        <source>This feature is not part of this release.</source>
        <translation>Bu özellik bu sürümde yok.</translation>
    </message>
    <message>
        <source>News of future releases:</source>
        <translation>Gelecek sürümlerle ilgili haberler:</translation>
    </message>
    <message>
        <source>Please enter a number.</source>
        <translation>Lütfen bir sayı girin.</translation>
    </message>
    <message>
        <source>Please enter an integer.</source>
        <translation>Lütfen bir tam sayı girin.</translation>
    </message>
    <message>
        <source>Please enter a positive integer.</source>
        <translation>Lütfen pozitif bir tam sayı girin.</translation>
    </message>
    <message>
        <source>Please enter an integer between %1 and %2.</source>
        <translation>Lütfen %1 ile %2 arasında bir tam sayı girin.</translation>
    </message>
    <message>
        <source>Please enter a number between %1 and %2.</source>
        <translation>Lütfen %1 ile %2 arasında bir sayı girin.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>İptal</translation>
    </message>
    <message>
        <source>Location Positioning</source>
        <translation>Konum Belirleme</translation>
    </message>
    <message>
        <source>CityName</source>
        <translation>ŞehirAdı</translation>
    </message>
    <message>
        <source>City Coordinates</source>
        <translation>Şehir Koordinatları</translation>
    </message>
    <message>
        <source>Enter  Longitude:</source>
        <translation>Boylamı  Girin:</translation>
    </message>
    <message>
        <source>Enter  Latitude:</source>
        <translation>Enlemi  Girin:</translation>
    </message>
    <message>
        <source>Enter  Altitude</source>
        <translation>Yüksekliği  Girin</translation>
    </message>
    <message>
        <source>Decimal</source>
        <translation>Ondalık</translation>
    </message>
    <message>
        <source>No sound device: the athan cannot be heard.</source>
        <translation>Ses aygıtı yok: ezan duyulamaz.</translation>
    </message>
    <message>
        <source>North and east are positive, south and west negative (73.95 W is -73.95).</source>
        <translation>Kuzey ve doğu pozitif, güney ve batı negatiftir (73.95 B, -73.95&apos;tir).</translation>
    </message>
    <message>
        <source>(Meters)</source>
        <translation>(Metre)</translation>
    </message>
    <message>
        <source>Advanced Setup</source>
        <translation>Gelişmiş Kurulum</translation>
    </message>
    <message>
        <source>Time Zone</source>
        <translation>Saat Dilimi</translation>
    </message>
    <message>
        <source>&amp;Follow Windows</source>
        <translation>&amp;Sistemi İzle</translation>
    </message>
    <message>
        <source>Custom:</source>
        <translation>Özel:</translation>
    </message>
    <message>
        <source>GMT</source>
        <translation>GMT</translation>
    </message>
    <message>
        <source>Calculation Way</source>
        <translation>Hesaplama Yöntemi</translation>
    </message>
    <message>
        <source>Month Calendar</source>
        <translation>Aylık Takvim</translation>
    </message>
    <message>
        <source>Select Month:</source>
        <translation>Ay Seçin:</translation>
    </message>
    <message>
        <source>Select Year:</source>
        <translation>Yıl Seçin:</translation>
    </message>
    <message>
        <source>Hijri</source>
        <translation>Hicri</translation>
    </message>
    <message>
        <source>Georgian</source>
        <translation>Miladi</translation>
    </message>
    <message>
        <source>Print...</source>
        <translation>Yazdır...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Kapat</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Dosya</translation>
    </message>
    <message>
        <source>&amp;Save As...</source>
        <translation>&amp;Farklı Kaydet...</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Yazdır</translation>
    </message>
    <message>
        <source>Print Pre&amp;view</source>
        <translation>Baskı Ö&amp;nizleme</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Kapat</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Düzen</translation>
    </message>
    <message>
        <source>&amp;Copy               Ctrl+C</source>
        <translation>&amp;Kopyala               Ctrl+C</translation>
    </message>
    <message>
        <source>Select &amp;All        Ctrl+A</source>
        <translation>&amp;Tümünü Seç        Ctrl+A</translation>
    </message>
    <message>
        <source>&amp;Find</source>
        <translation>&amp;Bul</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Biçim</translation>
    </message>
    <message>
        <source>Font...</source>
        <translation>Yazı Tipi...</translation>
    </message>
    <message>
        <source>The Hijri calendar here runs from Muharram of the year 1 to the year 9999.</source>
        <translation>Buradaki Hicri takvim 1 yılının Muharrem ayından 9999 yılına kadar uzanır.</translation>
    </message>
    <message>
        <source>The Gregorian calendar here runs from August 622 to the year 9999.</source>
        <translation>Buradaki Miladi takvim Ağustos 622&apos;den 9999 yılına kadar uzanır.</translation>
    </message>
    <message>
        <source>Save Page As</source>
        <translation>Sayfayı Farklı Kaydet</translation>
    </message>
    <message>
        <source>HTML page (*.html *.htm)</source>
        <translation>HTML sayfası (*.html *.htm)</translation>
    </message>
    <message>
        <source>The page could not be saved as %1.</source>
        <translation>Sayfa %1 olarak kaydedilemedi.</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Ay</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Yıl</translation>
    </message>
    <message>
        <source>Next year</source>
        <translation>Sonraki yıl</translation>
    </message>
    <message>
        <source>Previous year</source>
        <translation>Önceki yıl</translation>
    </message>
    <message>
        <source>Next month</source>
        <translation>Sonraki ay</translation>
    </message>
    <message>
        <source>Previous month</source>
        <translation>Önceki ay</translation>
    </message>
    <message>
        <source>Calendar</source>
        <translation>Takvim</translation>
    </message>
    <message>
        <source>Calendar page</source>
        <translation>Takvim sayfası</translation>
    </message>
    <message>
        <source>Menu bar</source>
        <translation>Menü çubuğu</translation>
    </message>
    <message>
        <source>Year range</source>
        <translation>Yıl aralığı</translation>
    </message>
    <message>
        <source>Fi&amp;nd:</source>
        <translation>&amp;Bul:</translation>
    </message>
    <message>
        <source>Text to find</source>
        <translation>Aranacak metin</translation>
    </message>
    <message>
        <source>Ne&amp;xt</source>
        <translation>&amp;Sonraki</translation>
    </message>
    <message>
        <source>Pre&amp;vious</source>
        <translation>Ö&amp;nceki</translation>
    </message>
    <message>
        <source>Close find bar</source>
        <translation>Arama çubuğunu kapat</translation>
    </message>
    <message>
        <source>Find result</source>
        <translation>Arama sonucu</translation>
    </message>
    <message>
        <source>Not found</source>
        <translation>Bulunamadı</translation>
    </message>
    <message>
        <source>Reached the end of the page, continued from the top</source>
        <translation>Sayfanın sonuna ulaşıldı, baştan devam edildi</translation>
    </message>
    <message>
        <source>Reached the start of the page, continued from the bottom</source>
        <translation>Sayfanın başına ulaşıldı, sondan devam edildi</translation>
    </message>
    <message>
        <source>Athan &amp; Reminder Settings</source>
        <translation>Ezan ve Hatırlatma Ayarları</translation>
    </message>
    <message>
        <source>All Prayer Athan File (WAV)</source>
        <translation>Tüm Namazlar İçin Ezan Dosyası (WAV)</translation>
    </message>
    <message>
        <source>Fajr Prayer Athan File (WAV):</source>
        <translation>Sabah Namazı Ezan Dosyası (WAV):</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Gözat...</translation>
    </message>
    <message>
        <source>Display Athan Dialog and Play Athan Sound When Prayer Time Comes</source>
        <translation>Namaz Vakti Geldiğinde Ezan Penceresini Göster ve Ezan Sesini Çal</translation>
    </message>
    <message>
        <source>Bring Time Bar on Top to Remind of Prayer Time</source>
        <translation>Namaz Vaktini Hatırlatmak için Vakit Çubuğunu Öne Getir</translation>
    </message>
    <message>
        <source>Mute All Sounds</source>
        <translation>Tüm Sesleri Kapat</translation>
    </message>
    <message>
        <source>Start Salvenor when I &amp;log in</source>
        <translation>Oturum &amp;açtığımda Salvenor&apos;u başlat</translation>
    </message>
    <message>
        <source>Salvenor could not change its login start entry:
%1</source>
        <translation>Salvenor oturum açılışında başlama kaydını değiştiremedi:
%1</translation>
    </message>
    <message>
        <source>Play or stop the All Prayer Athan</source>
        <translation>Tüm Namazların Ezanını çal veya durdur</translation>
    </message>
    <message>
        <source>Play or stop the Fajr Prayer Athan</source>
        <translation>Sabah Namazı Ezanını çal veya durdur</translation>
    </message>
    <message>
        <source>Browse for the All Prayer Athan File</source>
        <translation>Tüm Namazların Ezan Dosyasına gözat</translation>
    </message>
    <message>
        <source>Browse for the Fajr Prayer Athan File</source>
        <translation>Sabah Namazı Ezan Dosyasına gözat</translation>
    </message>
    <message>
        <source>Wave Files (*.wav) </source>
        <translation>Wave Dosyaları (*.wav) </translation>
    </message>
    <message>
        <source>All Files (*.*)</source>
        <translation>Tüm Dosyalar (*.*)</translation>
    </message>
    <message>
        <source>Date Adjustments</source>
        <translation>Tarih Düzeltmeleri</translation>
    </message>
    <message>
        <source>Not Supported In this version</source>
        <translation>Bu sürümde desteklenmiyor</translation>
    </message>
    <message>
        <source>Overwrite the current Hijri date</source>
        <translation>Geçerli Hicri tarihi değiştir</translation>
    </message>
    <message>
        <source>Today is:</source>
        <translation>Bugün:</translation>
    </message>
    <message>
        <source>of</source>
        <translation>/</translation>
    </message>
    <message>
        <source>Chose Hijri Month</source>
        <translation>Hicri Ay Seçin</translation>
    </message>
    <message>
        <source>Hijri day of month</source>
        <translation>Hicri ayın günü</translation>
    </message>
    <message>
        <source>Hijri month</source>
        <translation>Hicri ay</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Dil</translation>
    </message>
    <message>
        <source>System</source>
        <translation>Sistem</translation>
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
        <translation>%1 vaktine %2 sa %3 dk</translation>
    </message>
    <message>
        <source>%1 in %2 min</source>
        <translation>%1 vaktine %2 dk</translation>
    </message>
    <message>
        <source>Prayer bar</source>
        <translation>Namaz çubuğu</translation>
    </message>
    <message>
        <source>Put the bar back in the corner</source>
        <translation>Çubuğu köşeye geri koy</translation>
    </message>
    <message>
        <source>Or &amp;search:</source>
        <translation>Veya &amp;ara:</translation>
    </message>
    <message>
        <source>Any part of the name</source>
        <translation>Adın herhangi bir kısmı</translation>
    </message>
    <message>
        <source>Cities found</source>
        <translation>Bulunan şehirler</translation>
    </message>
    <message>
        <source>%1   (%2)</source>
        <translation>%1   (%2)</translation>
    </message>
    <message>
        <source>No city of this country has that name.</source>
        <translation>Bu ülkede bu adda şehir yok.</translation>
    </message>
    <message>
        <source>The first %1 of %2 cities: type more to see the others.</source>
        <translation>İlk %1 şehir (toplam %2): diğerlerini görmek için daha fazla yazın.</translation>
    </message>
    <message>
        <source>University of Islamic Sciences, Karachi</source>
        <translation>İslami İlimler Üniversitesi, Karaçi</translation>
    </message>
    <message>
        <source>Kuwait</source>
        <translation>Kuveyt</translation>
    </message>
    <message>
        <source>Qatar</source>
        <translation>Katar</translation>
    </message>
    <message>
        <source>Dubai (United Arab Emirates)</source>
        <translation>Dubai (Birleşik Arap Emirlikleri)</translation>
    </message>
    <message>
        <source>Singapore (MUIS)</source>
        <translation>Singapur (MUIS)</translation>
    </message>
    <message>
        <source>Institute of Geophysics, University of Tehran</source>
        <translation>Tahran Üniversitesi Jeofizik Enstitüsü</translation>
    </message>
    <message>
        <source>Diyanet, Turkey</source>
        <translation>Diyanet, Türkiye</translation>
    </message>
    <message>
        <source>Moonsighting Committee Worldwide</source>
        <translation>Moonsighting Committee Worldwide</translation>
    </message>
    <message>
        <source>Umm al-Qura, Makkah</source>
        <translation>Ümmü&apos;l-Kurâ, Mekke</translation>
    </message>
    <message>
        <source>Muslim World League</source>
        <translation>Dünya İslam Birliği</translation>
    </message>
    <message>
        <source>Egyptian General Authority of Survey</source>
        <translation>Mısır Genel Harita Kurumu</translation>
    </message>
    <message>
        <source>Time for %1</source>
        <translation>%1 vakti</translation>
    </message>
    <message>
        <source>%1 at %2</source>
        <translation>%1 saat %2</translation>
    </message>
    <message>
        <source>%1 in %2 minutes</source>
        <translation>%1 vaktine %2 dakika</translation>
    </message>
    <message>
        <source>Desktop notifications</source>
        <translation>Masaüstü bildirimleri</translation>
    </message>
    <message>
        <source>Notify me at each prayer time</source>
        <translation>Her namaz vaktinde bana bildir</translation>
    </message>
    <message>
        <source>Warn me before each prayer</source>
        <translation>Her namazdan önce beni uyar</translation>
    </message>
    <message>
        <source> minutes before</source>
        <translation> dakika önce</translation>
    </message>
    <message>
        <source>Minutes of the warning before each prayer</source>
        <translation>Her namazdan önceki uyarının dakikası</translation>
    </message>
    <message>
        <source>&amp;Export Prayer Times...</source>
        <translation>Namaz Vakitlerini &amp;Dışa Aktar...</translation>
    </message>
    <message>
        <source>Salvenor could not write the prayer times to:
%1</source>
        <translation>Salvenor namaz vakitlerini şuraya yazamadı:
%1</translation>
    </message>
    <message>
        <source>iCalendar Files (*.ics)</source>
        <translation>iCalendar Dosyaları (*.ics)</translation>
    </message>
    <message>
        <source>%s in %d minutes</source>
        <translation>%s vaktine %d dakika</translation>
    </message>
    <message>
        <source>%ld degrees, %s</source>
        <translation>%ld derece, %s</translation>
    </message>
    <message>
        <source>north</source>
        <translation>kuzey</translation>
    </message>
    <message>
        <source>north-north-east</source>
        <translation>kuzey-kuzeydoğu</translation>
    </message>
    <message>
        <source>north-east</source>
        <translation>kuzeydoğu</translation>
    </message>
    <message>
        <source>east-north-east</source>
        <translation>doğu-kuzeydoğu</translation>
    </message>
    <message>
        <source>east</source>
        <translation>doğu</translation>
    </message>
    <message>
        <source>east-south-east</source>
        <translation>doğu-güneydoğu</translation>
    </message>
    <message>
        <source>south-east</source>
        <translation>güneydoğu</translation>
    </message>
    <message>
        <source>south-south-east</source>
        <translation>güney-güneydoğu</translation>
    </message>
    <message>
        <source>south</source>
        <translation>güney</translation>
    </message>
    <message>
        <source>south-south-west</source>
        <translation>güney-güneybatı</translation>
    </message>
    <message>
        <source>south-west</source>
        <translation>güneybatı</translation>
    </message>
    <message>
        <source>west-south-west</source>
        <translation>batı-güneybatı</translation>
    </message>
    <message>
        <source>west</source>
        <translation>batı</translation>
    </message>
    <message>
        <source>west-north-west</source>
        <translation>batı-kuzeybatı</translation>
    </message>
    <message>
        <source>north-west</source>
        <translation>kuzeybatı</translation>
    </message>
    <message>
        <source>north-north-west</source>
        <translation>kuzey-kuzeybatı</translation>
    </message>
    <message>
        <source>Calculation</source>
        <translation>Hesaplama</translation>
    </message>
    <message>
        <source>Custom angles</source>
        <translation>Özel açılar</translation>
    </message>
    <message>
        <source>&amp;Convention:</source>
        <translation>&amp;Yöntem:</translation>
    </message>
    <message>
        <source>The built-in way of Advanced Setup</source>
        <translation>Gelişmiş Kurulum&apos;un yerleşik yolu</translation>
    </message>
    <message>
        <source>Whose angles give Fajr and Isha: the built-in way, a published convention, or your own.</source>
        <translation>İmsak ve Yatsı&apos;yı veren açılar: yerleşik yol, yayımlanmış bir yöntem veya kendi açılarınız.</translation>
    </message>
    <message>
        <source>&amp;Fajr angle:</source>
        <translation>&amp;İmsak açısı:</translation>
    </message>
    <message>
        <source>&amp;Isha angle:</source>
        <translation>Y&amp;atsı açısı:</translation>
    </message>
    <message>
        <source>or Isha &amp;minutes after Maghrib:</source>
        <translation>veya Akşam&apos;dan sonra Yatsı &amp;dakikası:</translation>
    </message>
    <message>
        <source>Custom: the sun&apos;s depression at Fajr and Isha, or Isha a fixed time after Maghrib (0: by angle).</source>
        <translation>Özel: İmsak ve Yatsı&apos;da güneşin ufkun altındaki açısı veya Akşam&apos;dan sabit bir süre sonra Yatsı (0: açıya göre).</translation>
    </message>
    <message>
        <source>&amp;Asr:</source>
        <translation>İ&amp;kindi:</translation>
    </message>
    <message>
        <source>Standard (Shafi&apos;i, Maliki, Hanbali)</source>
        <translation>Standart (Şafii, Maliki, Hanbeli)</translation>
    </message>
    <message>
        <source>Hanafi</source>
        <translation>Hanefi</translation>
    </message>
    <message>
        <source>Asr begins when a shadow is one object length longer than at noon, or two (Hanafi).</source>
        <translation>İkindi, gölge öğlendekinden bir cisim boyu uzun olduğunda başlar, ya da iki boy (Hanefi).</translation>
    </message>
    <message>
        <source>Minutes added:</source>
        <translation>Eklenen dakika:</translation>
    </message>
    <message>
        <source>Minutes (-30 to 30) added to each time, as your mosque&apos;s timetable does.</source>
        <translation>Her vakte eklenen dakika (-30 ile 30 arası), caminizin takviminde olduğu gibi.</translation>
    </message>
    <message>
        <source>Minutes added to %1</source>
        <translation>%1 vaktine eklenen dakika</translation>
    </message>
    <message>
        <source>&amp;High latitudes:</source>
        <translation>Yüksek &amp;enlemler:</translation>
    </message>
    <message>
        <source>A seventh of the night</source>
        <translation>Gecenin yedide biri</translation>
    </message>
    <message>
        <source>The middle of the night</source>
        <translation>Gecenin ortası</translation>
    </message>
    <message>
        <source>The angle&apos;s share of the night</source>
        <translation>Açıya göre gecenin payı</translation>
    </message>
    <message>
        <source>Fajr and Isha where the sun does not sink to their angle (summer nights far north).</source>
        <translation>Güneşin açılarına kadar inmediği yerlerde İmsak ve Yatsı (kuzeyde yaz geceleri).</translation>
    </message>
    <message>
        <source>&amp;Sun:</source>
        <translation>&amp;Güneş:</translation>
    </message>
    <message>
        <source>The built-in table</source>
        <translation>Yerleşik tablo</translation>
    </message>
    <message>
        <source>Computed for the date</source>
        <translation>Tarih için hesaplanan</translation>
    </message>
    <message>
        <source>The sun&apos;s place from the built-in table of one year, or computed for each date.</source>
        <translation>Güneşin konumu, bir yıllık yerleşik tablodan ya da her tarih için hesaplanarak.</translation>
    </message>
    <message>
        <source>Hijri &amp;day adjustment:</source>
        <translation>&amp;Hicri gün düzeltmesi:</translation>
    </message>
    <message>
        <source>Days (-2 to 2) added to the Hijri date, to follow the local moon sighting.</source>
        <translation>Yerel hilal gözlemine uymak için Hicri tarihe eklenen gün (-2 ile 2 arası).</translation>
    </message>
    <message>
        <source>Today&apos;s times with these choices:</source>
        <translation>Bu seçimlerle bugünün vakitleri:</translation>
    </message>
    <message>
        <source>Proposed for %1: %2. OK confirms it; Cancel keeps your choice.</source>
        <translation>%1 için önerilen: %2. Tamam onaylar; İptal seçiminizi korur.</translation>
    </message>
    <message>
        <source>In force: %1 (chosen on the Calculation page).</source>
        <translation>Geçerli: %1 (Hesaplama sayfasında seçildi).</translation>
    </message>
    <message>
        <source>Your choices could not be saved in %1 (%2). They stay in force until Salvenor is closed.</source>
        <translation>Seçimleriniz %1 dosyasına kaydedilemedi (%2). Salvenor kapanana kadar geçerli kalırlar.</translation>
    </message>
    <message>
        <source>Qibla (direction of the Kaaba from true north): %1</source>
        <translation>Kıble (gerçek kuzeyden Kâbe&apos;nin yönü): %1</translation>
    </message>
    <message>
        <source>1 Muhaaran: &lt;font color=&quot;#800040&quot;&gt; Start of the Hijri Calendar</source>
        <translation>1 Muharrem: &lt;font color=&quot;#800040&quot;&gt;Hicri Takvimin Başlangıcı</translation>
    </message>
    <message>
        <source>2 Safar: &lt;font color=&quot;#800040&quot;&gt;Hijra from Makka to Madina</source>
        <translation>27 Safer: &lt;font color=&quot;#800040&quot;&gt;Mekke&apos;den Medine&apos;ye Hicret</translation>
    </message>
    <message>
        <source>12 of Raby` al-awal: &lt;font color=&quot;#800040&quot;&gt;The Birth of Prophet Muhammad (SAAWS)</source>
        <translation>12 Rebiülevvel: &lt;font color=&quot;#800040&quot;&gt;Hz. Muhammed&apos;in (s.a.v.) Doğumu</translation>
    </message>
    <message>
        <source>27 of Rajab: &lt;font color=&quot;#800040&quot;&gt;Isra&apos; and Mi&apos;raj</source>
        <translation>27 Recep: &lt;font color=&quot;#800040&quot;&gt;İsra ve Miraç</translation>
    </message>
    <message>
        <source>1  Ramadan: &lt;font color=&quot;#800040&quot;&gt;Start Of Ramadan</source>
        <translation>1 Ramazan: &lt;font color=&quot;#800040&quot;&gt;Ramazan&apos;ın Başlangıcı</translation>
    </message>
    <message>
        <source>17 Ramadan: &lt;font color=&quot;#800040&quot;&gt;Battle of Badr</source>
        <translation>17 Ramazan: &lt;font color=&quot;#800040&quot;&gt;Bedir Savaşı</translation>
    </message>
    <message>
        <source>21 Ramadan: &lt;font color=&quot;#800040&quot;&gt;Conquest of Makkah</source>
        <translation>21 Ramazan: &lt;font color=&quot;#800040&quot;&gt;Mekke&apos;nin Fethi</translation>
    </message>
    <message>
        <source>1,2,3 Shawwal: &lt;font color=&quot;#800040&quot;&gt;Eid Al-Fitr</source>
        <translation>1, 2, 3 Şevval: &lt;font color=&quot;#800040&quot;&gt;Ramazan Bayramı</translation>
    </message>
    <message>
        <source>6  Shawwal: &lt;font color=&quot;#800040&quot;&gt;Battle of Uhud</source>
        <translation>6 Şevval: &lt;font color=&quot;#800040&quot;&gt;Uhud Savaşı</translation>
    </message>
    <message>
        <source>10 Shawwal: &lt;font color=&quot;#800040&quot;&gt;Battle of Hunayn</source>
        <translation>10 Şevval: &lt;font color=&quot;#800040&quot;&gt;Huneyn Savaşı</translation>
    </message>
    <message>
        <source>17 of Thw al-Qi`dah: &lt;font color=&quot;#800040&quot;&gt;Battle of Al-Ahzab</source>
        <translation>17 Zilkade: &lt;font color=&quot;#800040&quot;&gt;Hendek (Ahzab) Savaşı</translation>
    </message>
    <message>
        <source>9  of Thw al-Hijjah: &lt;font color=&quot;#800040&quot;&gt;Day of Araft</source>
        <translation>9 Zilhicce: &lt;font color=&quot;#800040&quot;&gt;Arefe Günü</translation>
    </message>
    <message>
        <source>10,11,12 of Thw al-Hijjah: &lt;font color=&quot;#800040&quot;&gt;Eid Al-Adha</source>
        <translation>10, 11, 12 Zilhicce: &lt;font color=&quot;#800040&quot;&gt;Kurban Bayramı</translation>
    </message>
    <message>
        <source>Muhr</source>
        <translation>Muh</translation>
    </message>
    <message>
        <source>Safr</source>
        <translation>Saf</translation>
    </message>
    <message>
        <source>Rab1</source>
        <translation>Reb1</translation>
    </message>
    <message>
        <source>Rab2</source>
        <translation>Reb2</translation>
    </message>
    <message>
        <source>Jmd1</source>
        <translation>Cem1</translation>
    </message>
    <message>
        <source>Jmd2</source>
        <translation>Cem2</translation>
    </message>
    <message>
        <source>Rajb</source>
        <translation>Rec</translation>
    </message>
    <message>
        <source>Shbn</source>
        <translation>Şab</translation>
    </message>
    <message>
        <source>Rmdn</source>
        <translation>Ram</translation>
    </message>
    <message>
        <source>Shwl</source>
        <translation>Şev</translation>
    </message>
    <message>
        <source>Qidh</source>
        <translation>Zlk</translation>
    </message>
    <message>
        <source>Hjah</source>
        <translation>Zlh</translation>
    </message>
    <message>
        <source>JAN</source>
        <translation>OCA</translation>
    </message>
    <message>
        <source>FEB</source>
        <translation>ŞUB</translation>
    </message>
    <message>
        <source>MAR</source>
        <translation>MAR</translation>
    </message>
    <message>
        <source>APR</source>
        <translation>NİS</translation>
    </message>
    <message>
        <source>MAY</source>
        <translation>MAY</translation>
    </message>
    <message>
        <source>JUN</source>
        <translation>HAZ</translation>
    </message>
    <message>
        <source>JUL</source>
        <translation>TEM</translation>
    </message>
    <message>
        <source>AUG</source>
        <translation>AĞU</translation>
    </message>
    <message>
        <source>SEP</source>
        <translation>EYL</translation>
    </message>
    <message>
        <source>OCT</source>
        <translation>EKİ</translation>
    </message>
    <message>
        <source>NOV</source>
        <translation>KAS</translation>
    </message>
    <message>
        <source>DEC</source>
        <translation>ARA</translation>
    </message>
    <message>
        <source>latitude</source>
        <translation>enlem</translation>
    </message>
    <message>
        <source>longitude</source>
        <translation>boylam</translation>
    </message>
    <message>
        <source>altitude</source>
        <translation>yükseklik</translation>
    </message>
    <message>
        <source>time-zone offset</source>
        <translation>saat dilimi farkı</translation>
    </message>
    <message>
        <source>%s and %s</source>
        <translation>%s ve %s</translation>
    </message>
    <message>
        <source>%s, %s</source>
        <translation>%s, %s</translation>
    </message>
    <message>
        <source>The new language is used as soon as you press OK.</source>
        <translation>Yeni dil, Tamam&apos;a bastığınız anda kullanılır.</translation>
    </message>
</context>
</TS>
