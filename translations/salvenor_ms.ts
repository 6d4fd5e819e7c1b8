<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ms">
<context>
    <name>salvenor</name>
    <message>
        <source>Muharram</source>
        <translation>Muharam</translation>
    </message>
    <message>
        <source>Safar</source>
        <translation>Safar</translation>
    </message>
    <message>
        <source>Raby` al-awal</source>
        <translation>Rabiulawal</translation>
    </message>
    <message>
        <source>Raby` al-Thaany</source>
        <translation>Rabiulakhir</translation>
    </message>
    <message>
        <source>Jumaada al-awal</source>
        <translation>Jamadilawal</translation>
    </message>
    <message>
        <source>Jumaada al-Thaany</source>
        <translation>Jamadilakhir</translation>
    </message>
    <message>
        <source>Rajab</source>
        <translation>Rejab</translation>
    </message>
    <message>
        <source>Sha`baan</source>
        <translation>Syaaban</translation>
    </message>
    <message>
        <source>Ramadan</source>
        <translation>Ramadan</translation>
    </message>
    <message>
        <source>Shawwal</source>
        <translation>Syawal</translation>
    </message>
    <message>
        <source>Thw al-Qi`dah</source>
        <translation>Zulkaedah</translation>
    </message>
    <message>
        <source>Thw al-Hijjah</source>
        <translation>Zulhijah</translation>
    </message>
    <message>
        <source>January</source>
        <translation>Januari</translation>
    </message>
    <message>
        <source>February</source>
        <translation>Februari</translation>
    </message>
    <message>
        <source>March</source>
        <translation>Mac</translation>
    </message>
    <message>
        <source>April</source>
        <translation>April</translation>
    </message>
    <message>
        <source>May</source>
        <translation>Mei</translation>
    </message>
    <message>
        <source>June</source>
        <translation>Jun</translation>
    </message>
    <message>
        <source>July</source>
        <translation>Julai</translation>
    </message>
    <message>
        <source>August</source>
        <translation>Ogos</translation>
    </message>
    <message>
        <source>September</source>
        <translation>September</translation>
    </message>
    <message>
        <source>October</source>
        <translation>Oktober</translation>
    </message>
    <message>
        <source>November</source>
        <translation>November</translation>
    </message>
    <message>
        <source>December</source>
        <translation>Disember</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>Ahad</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>Isnin</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>Selasa</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>Rabu</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>Khamis</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>Jumaat</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>Sabtu</translation>
    </message>
    <message>
        <source>PM</source>
        <translation>PTG</translation>
    </message>
    <message>
        <source>pm</source>
        <translation>ptg</translation>
    </message>
    <message>
        <source>AM</source>
        <translation>PG</translation>
    </message>
    <message>
        <source>am</source>
        <translation>pg</translation>
    </message>
    <message>
        <source>Fajr</source>
        <translation>Subuh</translation>
    </message>
    <message>
        <source>Shrook</source>
        <translation>Syuruk</translation>
    </message>
    <message>
        <source>Thuhr</source>
        <translation>Zohor</translation>
    </message>
    <message>
        <source>Asr</source>
        <translation>Asar</translation>
    </message>
    <message>
        <source>Maghrib</source>
        <translation>Maghrib</translation>
    </message>
    <message>
        <source>Isha</source>
        <translation>Isyak</translation>
    </message>
    <message>
        <source>Egyptian General Organisation of Surveying</source>
        <translation>Pertubuhan Ukur Am Mesir</translation>
    </message>
    <message>
        <source>Um Ul-Qura, Makkah</source>
        <translation>Ummul Qura, Makkah</translation>
    </message>
    <message>
        <source>Islamic Society of North America (ISNA)</source>
        <translation>Islamic Society of North America (ISNA)</translation>
    </message>
    <message>
        <source>World Islamic League</source>
        <translation>Liga Dunia Islam</translation>
    </message>
    <message>
        <source>
   ERROR READING READING DISK.

ZAV installation might have been corrupted, try last operation again!
If the problem still exists, you might need to re-install ZAV again</source>
        <translation>
   RALAT MEMBACA CAKERA.

Pemasangan ZAV mungkin telah rosak, cuba operasi terakhir sekali lagi!
Jika masalah berterusan, anda mungkin perlu memasang semula ZAV</translation>
    </message>
    <message>
        <source>Error Reading initialization file...
Program needs re-installation!!! </source>
        <translation>Ralat Membaca fail tetapan...
Program perlu dipasang semula!!! </translation>
    </message>
    <message>
        <source>Error Reading initialization file...
Program needs re-installation!!!</source>
        <translation>Ralat Membaca fail tetapan...
Program perlu dipasang semula!!!</translation>
    </message>
    <message>
        <source>
   ERROR SAVING LATEST CONFIGURATION TO THE DISK.

The disk could be full.Try setting the same configuration again.
If the problem still exists, you might want to restart ZAV or restart windows!
</source>
        <translation>
   RALAT MENYIMPAN TETAPAN TERKINI KE CAKERA.

Cakera mungkin penuh. Cuba buat tetapan yang sama sekali lagi.
Jika masalah berterusan, mulakan semula ZAV atau komputer!
</translation>
    </message>
    <message>
        <source>The configuration file zav.cfg was damaged. It has been kept as
%s
and setup now makes a new one.</source>
        <translation>Fail tetapan zav.cfg telah rosak. Ia disimpan sebagai
%s
dan persediaan kini membuat fail baharu.</translation>
    </message>
    <message>
        <source>The configuration file zav.cfg is damaged and could not be set aside, so setup has changed nothing. Move the file away and start Salvenor again.</source>
        <translation>Fail tetapan zav.cfg rosak dan tidak dapat diketepikan, jadi persediaan tidak mengubah apa-apa. Alihkan fail itu dan mulakan Salvenor sekali lagi.</translation>
    </message>
    <message>
        <source>The configuration file zav.cfg is damaged: its %s cannot be right.
Salvenor uses the value of a new installation in its place for now; choose &amp;Setup... from the bar&apos;s menu to set it again.</source>
        <translation>Fail tetapan zav.cfg rosak: %s di dalamnya tidak mungkin betul.
Buat masa ini Salvenor menggunakan nilai pemasangan baharu; pilih &amp;Persediaan... daripada menu bar untuk menetapkannya semula.</translation>
    </message>
    <message>
        <source>  -- ERROR  --
Your application path is too long   
please re-install the application and select a shorter path
for your installation diretory!!</source>
        <translation>  -- RALAT --
Laluan aplikasi anda terlalu panjang   
sila pasang semula aplikasi dan pilih laluan yang lebih pendek
untuk direktori pemasangan anda!!</translation>
    </message>
    <message>
        <source>Next: %s at: %d:%02d %s</source>
        <translation>Seterusnya: %s pada: %d:%02d %s</translation>
    </message>
    <message>
        <source>&amp;About ZAV...</source>
        <translation>&amp;Perihal ZAV...</translation>
    </message>
    <message>
        <source>&amp;Setup...</source>
        <translation>&amp;Persediaan...</translation>
    </message>
    <message>
        <source>&amp;Options...</source>
        <translation>&amp;Pilihan...</translation>
    </message>
    <message>
        <source>&amp;Month Calendar...</source>
        <translation>Kalendar &amp;Bulanan...</translation>
    </message>
    <message>
        <source>&amp;Year Calendars...</source>
        <translation>Kalendar &amp;Tahunan...</translation>
    </message>
    <message>
        <source>Always On &amp;Top</source>
        <translation>Sentiasa Di &amp;Atas</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;Perihal...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Keluar</translation>
    </message>
    <message>
        <source>Salvenor (ZAV)
[Double Click for Prayer Times]</source>
        <translation>Salvenor (ZAV)
[Klik Dua Kali untuk Waktu Solat]</translation>
    </message>
    <message>
        <source>Hidden Area</source>
        <translation>Kawasan Tersembunyi</translation>
    </message>
    <message>
        <source>Today Prayer Times</source>
        <translation>Waktu Solat Hari Ini</translation>
    </message>
    <message>
        <source>Show Prayer Bar</source>
        <translation>Tunjukkan Bar Solat</translation>
    </message>
    <message>
        <source>         Close Prayer Bar?         
(You can display it again from the task-bar icon)    </source>
        <translation>         Tutup Bar Solat?         
(Anda boleh memaparkannya semula daripada ikon bar tugas)    </translation>
    </message>
    <message>
        <source>Do you really want to Exit Salvenor?</source>
        <translation>Adakah anda benar-benar mahu keluar daripada Salvenor?</translation>
    </message>
    <message>
        <source>Your desktop has no notification area, so Salvenor cannot show its tray icon.

Right-click the prayer bar for &quot;Today Prayer Times&quot;, &quot;Show Prayer Bar&quot; and &quot;Exit&quot;. The bar&apos;s menu button holds every other command.</source>
        <translation>Desktop anda tiada kawasan pemberitahuan, jadi Salvenor tidak dapat menunjukkan ikonnya.

Klik kanan bar solat untuk &quot;Waktu Solat Hari Ini&quot;, &quot;Tunjukkan Bar Solat&quot; dan &quot;Keluar&quot;. Butang menu bar memuatkan semua arahan lain.</translation>
    </message>
    <message>
        <source>The prayer bar stays shown: your desktop has no notification area from which it could be shown again.

To let other windows cover it, switch &quot;Always On Top&quot; off in the bar&apos;s menu.</source>
        <translation>Bar solat terus dipaparkan: desktop anda tiada kawasan pemberitahuan untuk memaparkannya semula.

Untuk membenarkan tetingkap lain menutupnya, matikan &quot;Sentiasa Di Atas&quot; dalam menu bar.</translation>
    </message>
    <message>
        <source>Athan Time - ZAV</source>
        <translation>Waktu Azan - ZAV</translation>
    </message>
    <message>
        <source>Its %s -- Time for &quot; %s &quot; Prayer </source>
        <translation>Pukul %s -- Waktu Solat &quot; %s &quot; </translation>
    </message>
    <message>
        <source>%s at %s</source>
        <translation>%s pada %s</translation>
    </message>
    <message>
        <source>Next Sala Tme:</source>
        <translation>Waktu Solat Seterusnya:</translation>
    </message>
    <message>
        <source>Close Window</source>
        <translation>Tutup Tetingkap</translation>
    </message>
    <message>
        <source>Stop Athan !</source>
        <translation>Hentikan Azan !</translation>
    </message>
    <message>
        <source>Sala Time Reminder</source>
        <translation>Peringatan Waktu Solat</translation>
    </message>
    <message>
        <source>Later (!!)</source>
        <translation>Nanti (!!)</translation>
    </message>
    <message>
        <source>I have already Prayed</source>
        <translation>Saya sudah solat</translation>
    </message>
    <message>
        <source>Remind again me in:</source>
        <translation>Ingatkan saya semula dalam:</translation>
    </message>
    <message>
        <source>minutes</source>
        <translation>minit</translation>
    </message>
    <message>
        <source>Minutes until the reminder</source>
        <translation>Minit sehingga peringatan</translation>
    </message>
    <message>
        <source>Command menu</source>
        <translation>Menu arahan</translation>
    </message>
    <message>
        <source>About Salvenor</source>
        <translation>Perihal Salvenor</translation>
    </message>
    <message>
        <source>Setup</source>
        <translation>Persediaan</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Pilihan</translation>
    </message>
    <message>
        <source>Custom offset from GMT in hours</source>
        <translation>Beza tersuai daripada GMT dalam jam</translation>
    </message>
    <message>
        <source>Today&apos;s prayer times</source>
        <translation>Waktu solat hari ini</translation>
    </message>
    <message>
        <source>Too Much Cities...not all cities are displayed!!</source>
        <translation>Terlalu Banyak Bandar...tidak semua bandar dipaparkan!!</translation>
    </message>
    <message>
        <source>%1 was not found.</source>
        <translation>%1 tidak ditemui.</translation>
    </message>
    <message>
        <source>Access to %1 was denied.</source>
        <translation>Akses kepada %1 ditolak.</translation>
    </message>
    <message>
        <source>An unexpected error occurred while opening %1.</source>
        <translation>Ralat yang tidak dijangka berlaku semasa membuka %1.</translation>
    </message>
    <message>
        <source>The world city database is damaged: %s.
The country and city lists cannot be trusted; you might need to re-install ZAV again.</source>
        <translation>Pangkalan data bandar dunia rosak: %s.
Senarai negara dan bandar tidak boleh dipercayai; anda mungkin perlu memasang semula ZAV.</translation>
    </message>
    <message>
        <source>world.sum lists a country without a name</source>
        <translation>world.sum menyenaraikan negara tanpa nama</translation>
    </message>
    <message>
        <source>the countries of world.sum do not point to their cities in order</source>
        <translation>negara dalam world.sum tidak menunjuk kepada bandarnya mengikut urutan</translation>
    </message>
    <message>
        <source>world.sum points past the end of IndexWorld.zav</source>
        <translation>world.sum menunjuk melepasi hujung IndexWorld.zav</translation>
    </message>
    <message>
        <source>IndexWorld.zav holds cities whose coordinates no place can have; they are left out</source>
        <translation>IndexWorld.zav mengandungi bandar dengan koordinat yang mustahil; bandar itu ditinggalkan</translation>
    </message>
    <message>
        <source>The world city database is built from GeoNames (https://www.geonames.org/), licensed under CC BY 4.0 (https://creativecommons.org/licenses/by/4.0/).</source>
        <translation>Pangkalan data bandar dunia dibina daripada GeoNames (https://www.geonames.org/), dilesenkan di bawah CC BY 4.0 (https://creativecommons.org/licenses/by/4.0/).</translation>
    </message>
    <message>
        <source>Country And city selection</source>
        <translation>Pilihan Negara dan Bandar</translation>
    </message>
    <message>
        <source>Chose Country</source>
        <translation>Pilih Negara</translation>
    </message>
    <message>
        <source>Chose City</source>
        <translation>Pilih Bandar</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>Negara</translation>
    </message>
    <message>
        <source>Current Country: </source>
        <translation>Negara Semasa: </translation>
    </message>
    <message>
        <source>COUNTRY NAME</source>
        <translation>NAMA NEGARA</translation>
    </message>
    <message>
        <source>City Name</source>
        <translation>Nama Bandar</translation>
    </message>
    <message>
        <source>City First Character:</source>
        <translation>Huruf Pertama Bandar:</translation>
    </message>
    <message>
        <source>Current City:</source>
        <translation>Bandar Semasa:</translation>
    </message>
    <message>
        <source>CURRENT CITY</source>
        <translation>BANDAR SEMASA</translation>
    </message>
    <message>
        <source>&amp;Not Found? Press Here...</source>
        <translation>&amp;Tidak Jumpa? Tekan Di Sini...</translation>
    </message>
    <message>
        <source>Country was not yet selected - Please select country first!</source>
        <translation>Negara belum dipilih - Sila pilih negara dahulu!</translation>
    </message>
    <message>
        <source>Error Occurred while building the city list!!</source>
        <translation>Ralat berlaku semasa membina senarai bandar!!</translation>
    </message>
    <message>
        <source>No Enough memory to list all of the Cities !!</source>
        <translation>Memori tidak mencukupi untuk menyenaraikan semua Bandar !!</translation>
    </message>
    <message>
        <source>No City with that letter, please choose another one</source>
        <translation>Tiada bandar dengan huruf itu, sila pilih huruf lain</translation>
    </message>
    <message>
        <source>The database lists no city for that country</source>
        <translation>Pangkalan data tidak menyenaraikan bandar bagi negara itu</translation>
    </message>
    <message>
        <source>Invalid Country..please select a valid country from the country list</source>
        <translation>Negara Tidak Sah..sila pilih negara yang sah daripada senarai negara</translation>
    </message>
    <message>
        <source>Please choose a city of the new country from the city list, or press &quot;Not Found? Press Here...&quot; to type its coordinates.</source>
        <translation>Sila pilih bandar negara baharu daripada senarai bandar, atau tekan &quot;Tidak Jumpa? Tekan Di Sini...&quot; untuk menaip koordinatnya.</translation>
    </message>
    <message>
        <source>Choose your city: menu, Setup...</source>
        <translation>Pilih bandar anda: menu, Persediaan...</translation>
    </message>
    <message>
        <source>no city chosen yet (menu, Setup...)</source>
        <translation>belum ada bandar dipilih (menu, Persediaan...)</translation>
    </message>
    <message>
        <source>Salvenor (ZAV)</source>
        <translation>Salvenor (ZAV)</translation>
    </message>
    <message>
        <source>Reading configurations.... Please wait!</source>
        <translation>Membaca tetapan.... Sila tunggu!</translation>
    </message>
    <message>
        <source>File Error...you may need to re-install ZAV again!!!</source>
        <translation>Ralat Fail...anda mungkin perlu memasang semula ZAV!!!</translation>
    </message>
    <message>
        <source>File Error...you may need to re-install ZAV again!!!

%s</source>
        <translation>Ralat Fail...anda mungkin perlu memasang semula ZAV!!!

%s</translation>
    </message>
    <message>
        <source>Cannot open file %s</source>
        <translation>Tidak dapat membuka fail %s</translation>
    </message>
    <message>
        <source>Today Pryer Times</source>
        <translation>Waktu Solat Hari Ini</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Makkah Um Ul-Qura</source>
        <translation>Ummul Qura, Makkah</translation>
    </message>
    <message>
        <source>IslamicSocietyofNorthAmerica (ISNA)</source>
        <translation>Islamic Society of North America (ISNA)</translation>
    </message>
    <message>
        <source>About Salvenor Version 2.0</source>
        <translation>Perihal Salvenor Versi 2.0</translation>
    </message>
    <message>
        <source>Version 2.0</source>
        <translation>Versi 2.0</translation>
    </message>
    <message>
        <source>Released December 2026</source>
        <translation>Dikeluarkan Disember 2026</translation>
    </message>
    <message>
        <source>Prayer times for your desktop</source>
        <translation>Waktu solat untuk desktop anda</translation>
    </message>
    <message>
        <source>Package version %1</source>
        <translation>Versi pakej %1</translation>
    </message>
    <message>
        <source>Copyright (C) 2026 The Salvenor developers</source>
        <translation>Hak Cipta (C) 2026 Pembangun Salvenor</translation>
    </message>
    <message>
        <source>Salvenor is free software: you can redistribute it and/or modify it under the terms of the GNU General Public License, version 3 or (at your option) any later version (GPL-3.0-or-later). It comes with no warranty.</source>
        <translation>Salvenor ialah perisian bebas: anda boleh mengedarkan semula dan/atau mengubahnya di bawah terma GNU General Public License, versi 3 atau (mengikut pilihan anda) mana-mana versi kemudian (GPL-3.0-or-later). Ia disediakan tanpa sebarang jaminan.</translation>
    </message>
    <message>
        <source>Salvenor (ZAV) New Installation Setup</source>
        <translation>Persediaan Pemasangan Baharu Salvenor (ZAV)</translation>
    </message>
    <message>
        <source>ZAV INITIAL SETUP</source>
        <translation>PERSEDIAAN AWAL ZAV</translation>
    </message>
    <message>
        <source>You will need to enter the COUNTRY NAME and the CITY NAME so that the ZAV can adjust prayer times to your location. </source>
        <translation>Anda perlu memasukkan NAMA NEGARA dan NAMA BANDAR supaya ZAV dapat melaraskan waktu solat mengikut lokasi anda. </translation>
    </message>
    <message>
        <source>In the coming dialog, please select those settings carefuly. You can change that at any time from the &quot;Setup&quot; menu. </source>
        <translation>Dalam dialog seterusnya, sila pilih tetapan itu dengan teliti. Anda boleh mengubahnya pada bila-bila masa daripada menu &quot;Persediaan&quot;. </translation>
    </message>
    <message>
        <source>Press &quot;Continue&quot; to begin the setings or Exit if you wish to cancel Setup (Note if you cancel, a default setup will be put for you which might not be correct</source>
        <translation>Tekan &quot;Teruskan&quot; untuk memulakan tetapan atau Keluar jika anda mahu membatalkan Persediaan (Nota: jika anda membatalkan, persediaan lalai yang mungkin tidak tepat akan dibuat untuk anda</translation>
    </message>
    <message>
        <source>Continue...</source>
        <translation>Teruskan...</translation>
    </message>
    <message>
        <source>Exit !</source>
        <translation>Keluar !</translation>
    </message>
    <message>
        <source>Reminder</source>
        <translation>Peringatan</translation>
    </message>
    <message>
        <source>Please visit our website at:</source>
        <translation>Sila lawati laman web kami di:</translation>
    </message>
    <message>
        <source>For support, questions, suggestions or comments please send us an email on</source>
        <translation>Untuk sokongan, soalan, cadangan atau komen sila hantar e-mel kepada kami di</translation>
    </message>
    <message>
        <source>Not Supported !!</source>
        <translation>Tidak Disokong !!</translation>
    </message>
    <message>
        <source>Not supported yet</source>
        <translation>Belum disokong</translation>
    </message>
    <message>
        <source>This feature is not part of this release.</source>
        <translation>Ciri ini bukan sebahagian daripada keluaran ini.</translation>
    </message>
    <message>
        <source>News of future releases:</source>
        <translation>Berita keluaran akan datang:</translation>
    </message>
    <message>
        <source>Please enter a number.</source>
        <translation>Sila masukkan nombor.</translation>
    </message>
    <message>
        <source>Please enter an integer.</source>
        <translation>Sila masukkan integer.</translation>
    </message>
    <message>
        <source>Please enter a positive integer.</source>
        <translation>Sila masukkan integer positif.</translation>
    </message>
    <message>
        <source>Please enter an integer between %1 and %2.</source>
        <translation>Sila masukkan integer antara %1 dan %2.</translation>
    </message>
    <message>
        <source>Please enter a number between %1 and %2.</source>
        <translation>Sila masukkan nombor antara %1 dan %2.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Batal</translation>
    </message>
    <message>
        <source>Location Positioning</source>
        <translation>Kedudukan Lokasi</translation>
    </message>
    <message>
        <source>CityName</source>
        <translation>NamaBandar</translation>
    </message>
    <message>
        <source>City Coordinates</source>
        <translation>Koordinat Bandar</translation>
    </message>
    <message>
        <source>Enter  Longitude:</source>
        <translation>Masukkan  Longitud:</translation>
    </message>
    <message>
        <source>Enter  Latitude:</source>
        <translation>Masukkan  Latitud:</translation>
    </message>
    <message>
        <source>Enter  Altitude</source>
        <translation>Masukkan  Ketinggian</translation>
    </message>
    <message>
        <source>Decimal</source>
        <translation>Perpuluhan</translation>
    </message>
    <message>
        <source>No sound device: the athan cannot be heard.</source>
        <translation>Tiada peranti bunyi: azan tidak dapat didengar.</translation>
    </message>
    <message>
        <source>North and east are positive, south and west negative (73.95 W is -73.95).</source>
        <translation>Utara dan timur positif, selatan dan barat negatif (73.95 B ialah -73.95).</translation>
    </message>
    <message>
        <source>(Meters)</source>
        <translation>(Meter)</translation>
    </message>
    <message>
        <source>Advanced Setup</source>
        <translation>Persediaan Lanjutan</translation>
    </message>
    <message>
        <source>Time Zone</source>
        <translation>Zon Waktu</translation>
    </message>
    <message>
        <source>&amp;Follow Windows</source>
        <translation>&amp;Ikut Sistem</translation>
    </message>
    <message>
        <source>Custom:</source>
        <translation>Tersuai:</translation>
    </message>
    <message>
        <source>GMT</source>
        <translation>GMT</translation>
    </message>
    <message>
        <source>Calculation Way</source>
        <translation>Kaedah Pengiraan</translation>
    </message>
    <message>
        <source>Month Calendar</source>
        <translation>Kalendar Bulanan</translation>
    </message>
    <message>
        <source>Select Month:</source>
        <translation>Pilih Bulan:</translation>
    </message>
    <message>
        <source>Select Year:</source>
        <translation>Pilih Tahun:</translation>
    </message>
    <message>
        <source>Hijri</source>
        <translation>Hijrah</translation>
    </message>
    <message>
        <source>Georgian</source>
        <translation>Masihi</translation>
    </message>
    <message>
        <source>Print...</source>
        <translation>Cetak...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Tutup</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fail</translation>
    </message>
    <message>
        <source>&amp;Save As...</source>
        <translation>&amp;Simpan Sebagai...</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Cetak</translation>
    </message>
    <message>
        <source>Print Pre&amp;view</source>
        <translation>&amp;Pratonton Cetak</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Tutup</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Edit</translation>
    </message>
    <message>
        <source>&amp;Copy               Ctrl+C</source>
        <translation>&amp;Salin               Ctrl+C</translation>
    </message>
    <message>
        <source>Select &amp;All        Ctrl+A</source>
        <translation>Pilih &amp;Semua        Ctrl+A</translation>
    </message>
    <message>
        <source>&amp;Find</source>
        <translation>&amp;Cari</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Format</translation>
    </message>
    <message>
        <source>Font...</source>
        <translation>Fon...</translation>
    </message>
    <message>
        <source>The Hijri calendar here runs from Muharram of the year 1 to the year 9999.</source>
        <translation>Kalendar Hijrah di sini bermula dari Muharam tahun 1 hingga tahun 9999.</translation>
    </message>
    <message>
        <source>The Gregorian calendar here runs from August 622 to the year 9999.</source>
        <translation>Kalendar Masihi di sini bermula dari Ogos 622 hingga tahun 9999.</translation>
    </message>
    <message>
        <source>Save Page As</source>
        <translation>Simpan Halaman Sebagai</translation>
    </message>
    <message>
        <source>HTML page (*.html *.htm)</source>
        <translation>Halaman HTML (*.html *.htm)</translation>
    </message>
    <message>
        <source>The page could not be saved as %1.</source>
        <translation>Halaman tidak dapat disimpan sebagai %1.</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Bulan</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Tahun</translation>
    </message>
    <message>
        <source>Next year</source>
        <translation>Tahun seterusnya</translation>
    </message>
    <message>
        <source>Previous year</source>
        <translation>Tahun sebelumnya</translation>
    </message>
    <message>
        <source>Next month</source>
        <translation>Bulan seterusnya</translation>
    </message>
    <message>
        <source>Previous month</source>
        <translation>Bulan sebelumnya</translation>
    </message>
    <message>
        <source>Calendar</source>
        <translation>Kalendar</translation>
    </message>
    <message>
        <source>Calendar page</source>
        <translation>Halaman kalendar</translation>
    </message>
    <message>
        <source>Menu bar</source>
        <translation>Bar menu</translation>
    </message>
    <message>
        <source>Year range</source>
        <translation>Julat tahun</translation>
    </message>
    <message>
        <source>Fi&amp;nd:</source>
        <translation>&amp;Cari:</translation>
    </message>
    <message>
        <source>Text to find</source>
        <translation>Teks untuk dicari</translation>
    </message>
    <message>
        <source>Ne&amp;xt</source>
        <translation>&amp;Seterusnya</translation>
    </message>
    <message>
        <source>Pre&amp;vious</source>
        <translation>Se&amp;belumnya</translation>
    </message>
    <message>
        <source>Close find bar</source>
        <translation>Tutup bar carian</translation>
    </message>
    <message>
        <source>Find result</source>
        <translation>Hasil carian</translation>
    </message>
    <message>
        <source>Not found</source>
        <translation>Tidak ditemui</translation>
    </message>
    <message>
        <source>Reached the end of the page, continued from the top</source>
        <translation>Sampai ke hujung halaman, diteruskan dari atas</translation>
    </message>
    <message>
        <source>Reached the start of the page, continued from the bottom</source>
        <translation>Sampai ke awal halaman, diteruskan dari bawah</translation>
    </message>
    <message>
        <source>Athan &amp; Reminder Settings</source>
        <translation>Tetapan Azan &amp; Peringatan</translation>
    </message>
    <message>
        <source>All Prayer Athan File (WAV)</source>
        <translation>Fail Azan Semua Solat (WAV)</translation>
    </message>
    <message>
        <source>Fajr Prayer Athan File (WAV):</source>
        <translation>Fail Azan Solat Subuh (WAV):</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Layari...</translation>
    </message>
    <message>
        <source>Display Athan Dialog and Play Athan Sound When Prayer Time Comes</source>
        <translation>Paparkan Dialog Azan dan Mainkan Bunyi Azan Apabila Masuk Waktu Solat</translation>
    </message>
    <message>
        <source>Bring Time Bar on Top to Remind of Prayer Time</source>
        <translation>Bawa Bar Waktu ke Atas untuk Mengingatkan Waktu Solat</translation>
    </message>
    <message>
        <source>Mute All Sounds</source>
        <translation>Senyapkan Semua Bunyi</translation>
    </message>
    <message>
        <source>Start Salvenor when I &amp;log in</source>
        <translation>Mulakan Salvenor apabila saya &amp;log masuk</translation>
    </message>
    <message>
        <source>Salvenor could not change its login start entry:
%1</source>
        <translation>Salvenor tidak dapat mengubah entri mula semasa log masuk:
%1</translation>
    </message>
    <message>
        <source>Play or stop the All Prayer Athan</source>
        <translation>Mainkan atau hentikan Azan Semua Solat</translation>
    </message>
    <message>
        <source>Play or stop the Fajr Prayer Athan</source>
        <translation>Mainkan atau hentikan Azan Solat Subuh</translation>
    </message>
    <message>
        <source>Browse for the All Prayer Athan File</source>
        <translation>Layari Fail Azan Semua Solat</translation>
    </message>
    <message>
        <source>Browse for the Fajr Prayer Athan File</source>
        <translation>Layari Fail Azan Solat Subuh</translation>
    </message>
    <message>
        <source>Wave Files (*.wav) </source>
        <translation>Fail Wave (*.wav) </translation>
    </message>
    <message>
        <source>All Files (*.*)</source>
        <translation>Semua Fail (*.*)</translation>
    </message>
    <message>
        <source>Date Adjustments</source>
        <translation>Pelarasan Tarikh</translation>
    </message>
    <message>
        <source>Not Supported In this version</source>
        <translation>Tidak Disokong dalam versi ini</translation>
    </message>
    <message>
        <source>Overwrite the current Hijri date</source>
        <translation>Tulis ganti tarikh Hijrah semasa</translation>
    </message>
    <message>
        <source>Today is:</source>
        <translation>Hari ini:</translation>
    </message>
    <message>
        <source>of</source>
        <translation>bulan</translation>
    </message>
    <message>
        <source>Chose Hijri Month</source>
        <translation>Pilih Bulan Hijrah</translation>
    </message>
    <message>
        <source>Hijri day of month</source>
        <translation>Hari dalam bulan Hijrah</translation>
    </message>
    <message>
        <source>Hijri month</source>
        <translation>Bulan Hijrah</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Bahasa</translation>
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
        <translation>%1 dalam %2 j %3 min</translation>
    </message>
    <message>
        <source>%1 in %2 min</source>
        <translation>%1 dalam %2 min</translation>
    </message>
    <message>
        <source>Prayer bar</source>
        <translation>Bar solat</translation>
    </message>
    <message>
        <source>Put the bar back in the corner</source>
        <translation>Letakkan semula bar di penjuru</translation>
    </message>
    <message>
        <source>Or &amp;search:</source>
        <translation>Atau &amp;cari:</translation>
    </message>
    <message>
        <source>Any part of the name</source>
        <translation>Mana-mana bahagian nama</translation>
    </message>
    <message>
        <source>Cities found</source>
        <translation>Bandar yang ditemui</translation>
    </message>
    <message>
        <source>%1   (%2)</source>
        <translation>%1   (%2)</translation>
    </message>
    <message>
        <source>No city of this country has that name.</source>
        <translation>Tiada bandar di negara ini dengan nama itu.</translation>
    </message>
    <message>
        <source>The first %1 of %2 cities: type more to see the others.</source>
        <translation>%1 bandar pertama daripada %2: taip lagi untuk melihat yang lain.</translation>
    </message>
    <message>
        <source>University of Islamic Sciences, Karachi</source>
        <translation>University of Islamic Sciences, Karachi</translation>
    </message>
    <message>
        <source>Kuwait</source>
        <translation>Kuwait</translation>
    </message>
    <message>
        <source>Qatar</source>
        <translation>Qatar</translation>
    </message>
    <message>
        <source>Dubai (United Arab Emirates)</source>
        <translation>Dubai (Emiriah Arab Bersatu)</translation>
    </message>
    <message>
        <source>Singapore (MUIS)</source>
        <translation>Singapura (MUIS)</translation>
    </message>
    <message>
        <source>Institute of Geophysics, University of Tehran</source>
        <translation>Institut Geofizik, Universiti Tehran</translation>
    </message>
    <message>
        <source>Diyanet, Turkey</source>
        <translation>Diyanet, Turki</translation>
    </message>
    <message>
        <source>Moonsighting Committee Worldwide</source>
        <translation>Moonsighting Committee Worldwide</translation>
    </message>
    <message>
        <source>Umm al-Qura, Makkah</source>
        <translation>Umm al-Qura, Makkah</translation>
    </message>
    <message>
        <source>Muslim World League</source>
        <translation>Liga Dunia Islam</translation>
    </message>
    <message>
        <source>Egyptian General Authority of Survey</source>
        <translation>Pihak Berkuasa Am Ukur Mesir</translation>
    </message>
    <message>
        <source>Time for %1</source>
        <translation>Telah masuk waktu %1</translation>
    </message>
    <message>
        <source>%1 at %2</source>
        <translation>%1 pada %2</translation>
    </message>
    <message>
        <source>%1 in %2 minutes</source>
        <translation>%1 dalam %2 minit</translation>
    </message>
    <message>
        <source>Desktop notifications</source>
        <translation>Pemberitahuan desktop</translation>
    </message>
    <message>
        <source>Notify me at each prayer time</source>
        <translation>Beritahu saya pada setiap waktu solat</translation>
    </message>
    <message>
        <source>Warn me before each prayer</source>
        <translation>Ingatkan saya sebelum setiap solat</translation>
    </message>
    <message>
        <source> minutes before</source>
        <translation> minit sebelum</translation>
    </message>
    <message>
        <source>Minutes of the warning before each prayer</source>
        <translation>Minit peringatan sebelum setiap solat</translation>
    </message>
    <message>
        <source>&amp;Export Prayer Times...</source>
        <translation>&amp;Eksport Waktu Solat...</translation>
    </message>
    <message>
        <source>Salvenor could not write the prayer times to:
%1</source>
        <translation>Salvenor tidak dapat menulis waktu solat ke:
%1</translation>
    </message>
    <message>
        <source>iCalendar Files (*.ics)</source>
        <translation>Fail iCalendar (*.ics)</translation>
    </message>
    <message>
        <source>%s in %d minutes</source>
        <translation>%s dalam %d minit</translation>
    </message>
    <message>
        <source>%ld degrees, %s</source>
        <translation>%ld darjah, %s</translation>
    </message>
    <message>
        <source>north</source>
        <translation>utara</translation>
    </message>
    <message>
        <source>north-north-east</source>
        <translation>utara-timur laut</translation>
    </message>
    <message>
        <source>north-east</source>
        <translation>timur laut</translation>
    </message>
    <message>
        <source>east-north-east</source>
        <translation>timur-timur laut</translation>
    </message>
    <message>
        <source>east</source>
        <translation>timur</translation>
    </message>
    <message>
        <source>east-south-east</source>
        <translation>timur-tenggara</translation>
    </message>
    <message>
        <source>south-east</source>
        <translation>tenggara</translation>
    </message>
    <message>
        <source>south-south-east</source>
        <translation>selatan-tenggara</translation>
    </message>
    <message>
        <source>south</source>
        <translation>selatan</translation>
    </message>
    <message>
        <source>south-south-west</source>
        <translation>selatan-barat daya</translation>
    </message>
    <message>
        <source>south-west</source>
        <translation>barat daya</translation>
    </message>
    <message>
        <source>west-south-west</source>
        <translation>barat-barat daya</translation>
    </message>
    <message>
        <source>west</source>
        <translation>barat</translation>
    </message>
    <message>
        <source>west-north-west</source>
        <translation>barat-barat laut</translation>
    </message>
    <message>
        <source>north-west</source>
        <translation>barat laut</translation>
    </message>
    <message>
        <source>north-north-west</source>
        <translation>utara-barat laut</translation>
    </message>
    <message>
        <source>Calculation</source>
        <translation>Pengiraan</translation>
    </message>
    <message>
        <source>Custom angles</source>
        <translation>Sudut tersuai</translation>
    </message>
    <message>
        <source>&amp;Convention:</source>
        <translation>&amp;Konvensyen:</translation>
    </message>
    <message>
        <source>The built-in way of Advanced Setup</source>
        <translation>Cara terbina dalam Persediaan Lanjutan</translation>
    </message>
    <message>
        <source>Whose angles give Fajr and Isha: the built-in way, a published convention, or your own.</source>
        <translation>Sudut yang menentukan Subuh dan Isyak: cara terbina dalam, konvensyen yang diterbitkan, atau pilihan anda sendiri.</translation>
    </message>
    <message>
        <source>&amp;Fajr angle:</source>
        <translation>Sudut &amp;Subuh:</translation>
    </message>
    <message>
        <source>&amp;Isha angle:</source>
        <translation>Sudut &amp;Isyak:</translation>
    </message>
    <message>
        <source>or Isha &amp;minutes after Maghrib:</source>
        <translation>atau Isyak &amp;minit selepas Maghrib:</translation>
    </message>
    <message>
        <source>Custom: the sun&apos;s depression at Fajr and Isha, or Isha a fixed time after Maghrib (0: by angle).</source>
        <translation>Tersuai: kedalaman matahari di bawah ufuk pada Subuh dan Isyak, atau Isyak pada masa tetap selepas Maghrib (0: mengikut sudut).</translation>
    </message>
    <message>
        <source>&amp;Asr:</source>
        <translation>&amp;Asar:</translation>
    </message>
    <message>
        <source>Standard (Shafi&apos;i, Maliki, Hanbali)</source>
        <translation>Standard (Syafie, Maliki, Hanbali)</translation>
    </message>
    <message>
        <source>Hanafi</source>
        <translation>Hanafi</translation>
    </message>
    <message>
        <source>Asr begins when a shadow is one object length longer than at noon, or two (Hanafi).</source>
        <translation>Asar bermula apabila bayang lebih panjang satu kali panjang objek berbanding waktu tengah hari, atau dua kali (Hanafi).</translation>
    </message>
    <message>
        <source>Minutes added:</source>
        <translation>Minit ditambah:</translation>
    </message>
    <message>
        <source>Minutes (-30 to 30) added to each time, as your mosque&apos;s timetable does.</source>
        <translation>Minit (-30 hingga 30) ditambah pada setiap waktu, seperti jadual masjid anda.</translation>
    </message>
    <message>
        <source>Minutes added to %1</source>
        <translation>Minit ditambah pada %1</translation>
    </message>
    <message>
        <source>&amp;High latitudes:</source>
        <translation>&amp;Latitud tinggi:</translation>
    </message>
    <message>
        <source>A seventh of the night</source>
        <translation>Satu pertujuh malam</translation>
    </message>
    <message>
        <source>The middle of the night</source>
        <translation>Pertengahan malam</translation>
    </message>
    <message>
        <source>The angle&apos;s share of the night</source>
        <translation>Bahagian malam mengikut sudut</translation>
    </message>
    <message>
        <source>Fajr and Isha where the sun does not sink to their angle (summer nights far north).</source>
        <translation>Subuh dan Isyak di tempat matahari tidak turun hingga sudutnya (malam musim panas di utara jauh).</translation>
    </message>
    <message>
        <source>&amp;Sun:</source>
        <translation>Ma&amp;tahari:</translation>
    </message>
    <message>
        <source>The built-in table</source>
        <translation>Jadual terbina dalam</translation>
    </message>
    <message>
        <source>Computed for the date</source>
        <translation>Dikira untuk tarikh itu</translation>
    </message>
    <message>
        <source>The sun&apos;s place from the built-in table of one year, or computed for each date.</source>
        <translation>Kedudukan matahari daripada jadual terbina dalam bagi satu tahun, atau dikira untuk setiap tarikh.</translation>
    </message>
    <message>
        <source>Hijri &amp;day adjustment:</source>
        <translation>Pelarasan &amp;hari Hijrah:</translation>
    </message>
    <message>
        <source>Days (-2 to 2) added to the Hijri date, to follow the local moon sighting.</source>
        <translation>Hari (-2 hingga 2) ditambah pada tarikh Hijrah, untuk mengikut rukyah tempatan.</translation>
    </message>
    <message>
        <source>Today&apos;s times with these choices:</source>
        <translation>Waktu hari ini dengan pilihan ini:</translation>
    </message>
    <message>
        <source>Proposed for %1: %2. OK confirms it; Cancel keeps your choice.</source>
        <translation>Dicadangkan untuk %1: %2. OK mengesahkannya; Batal mengekalkan pilihan anda.</translation>
    </message>
    <message>
        <source>In force: %1 (chosen on the Calculation page).</source>
        <translation>Berkuat kuasa: %1 (dipilih di halaman Pengiraan).</translation>
    </message>
    <message>
        <source>Your choices could not be saved in %1 (%2). They stay in force until Salvenor is closed.</source>
        <translation>Pilihan anda tidak dapat disimpan dalam %1 (%2). Pilihan itu kekal berkuat kuasa sehingga Salvenor ditutup.</translation>
    </message>
    <message>
        <source>Qibla (direction of the Kaaba from true north): %1</source>
        <translation>Kiblat (arah Kaabah dari utara benar): %1</translation>
    </message>
    <message>
        <source>1 Muhaaran: &lt;font color=&quot;#800040&quot;&gt; Start of the Hijri Calendar</source>
        <translation>1 Muharam: &lt;font color=&quot;#800040&quot;&gt;Awal Tahun Hijrah</translation>
    </message>
    <message>
        <source>2 Safar: &lt;font color=&quot;#800040&quot;&gt;Hijra from Makka to Madina</source>
        <translation>27 Safar: &lt;font color=&quot;#800040&quot;&gt;Hijrah dari Makkah ke Madinah</translation>
    </message>
    <message>
        <source>12 of Raby` al-awal: &lt;font color=&quot;#800040&quot;&gt;The Birth of Prophet Muhammad (SAAWS)</source>
        <translation>12 Rabiulawal: &lt;font color=&quot;#800040&quot;&gt;Maulidur Rasul</translation>
    </message>
    <message>
        <source>27 of Rajab: &lt;font color=&quot;#800040&quot;&gt;Isra&apos; and Mi&apos;raj</source>
        <translation>27 Rejab: &lt;font color=&quot;#800040&quot;&gt;Israk dan Mikraj</translation>
    </message>
    <message>
        <source>1  Ramadan: &lt;font color=&quot;#800040&quot;&gt;Start Of Ramadan</source>
        <translation>1 Ramadan: &lt;font color=&quot;#800040&quot;&gt;Awal Ramadan</translation>
    </message>
    <message>
        <source>17 Ramadan: &lt;font color=&quot;#800040&quot;&gt;Battle of Badr</source>
        <translation>17 Ramadan: &lt;font color=&quot;#800040&quot;&gt;Perang Badar</translation>
    </message>
    <message>
        <source>21 Ramadan: &lt;font color=&quot;#800040&quot;&gt;Conquest of Makkah</source>
        <translation>21 Ramadan: &lt;font color=&quot;#800040&quot;&gt;Pembukaan Kota Makkah</translation>
    </message>
    <message>
        <source>1,2,3 Shawwal: &lt;font color=&quot;#800040&quot;&gt;Eid Al-Fitr</source>
        <translation>1, 2, 3 Syawal: &lt;font color=&quot;#800040&quot;&gt;Hari Raya Aidilfitri</translation>
    </message>
    <message>
        <source>6  Shawwal: &lt;font color=&quot;#800040&quot;&gt;Battle of Uhud</source>
        <translation>6 Syawal: &lt;font color=&quot;#800040&quot;&gt;Perang Uhud</translation>
    </message>
    <message>
        <source>10 Shawwal: &lt;font color=&quot;#800040&quot;&gt;Battle of Hunayn</source>
        <translation>10 Syawal: &lt;font color=&quot;#800040&quot;&gt;Perang Hunain</translation>
    </message>
    <message>
        <source>17 of Thw al-Qi`dah: &lt;font color=&quot;#800040&quot;&gt;Battle of Al-Ahzab</source>
        <translation>17 Zulkaedah: &lt;font color=&quot;#800040&quot;&gt;Perang Ahzab</translation>
    </message>
    <message>
        <source>9  of Thw al-Hijjah: &lt;font color=&quot;#800040&quot;&gt;Day of Araft</source>
        <translation>9 Zulhijah: &lt;font color=&quot;#800040&quot;&gt;Hari Arafah</translation>
    </message>
    <message>
        <source>10,11,12 of Thw al-Hijjah: &lt;font color=&quot;#800040&quot;&gt;Eid Al-Adha</source>
        <translation>10, 11, 12 Zulhijah: &lt;font color=&quot;#800040&quot;&gt;Hari Raya Aidiladha</translation>
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
        <translation>RAw</translation>
    </message>
    <message>
        <source>Rab2</source>
        <translation>RAk</translation>
    </message>
    <message>
        <source>Jmd1</source>
        <translation>JAw</translation>
    </message>
    <message>
        <source>Jmd2</source>
        <translation>JAk</translation>
    </message>
    <message>
        <source>Rajb</source>
        <translation>Rej</translation>
    </message>
    <message>
        <source>Shbn</source>
        <translation>Sya</translation>
    </message>
    <message>
        <source>Rmdn</source>
        <translation>Ram</translation>
    </message>
    <message>
        <source>Shwl</source>
        <translation>Syw</translation>
    </message>
    <message>
        <source>Qidh</source>
        <translation>ZKa</translation>
    </message>
    <message>
        <source>Hjah</source>
        <translation>ZHi</translation>
    </message>
    <message>
        <source>JAN</source>
        <translation>JAN</translation>
    </message>
    <message>
        <source>FEB</source>
        <translation>FEB</translation>
    </message>
    <message>
        <source>MAR</source>
        <translation>MAC</translation>
    </message>
    <message>
        <source>APR</source>
        <translation>APR</translation>
    </message>
    <message>
        <source>MAY</source>
        <translation>MEI</translation>
    </message>
    <message>
        <source>JUN</source>
        <translation>JUN</translation>
    </message>
    <message>
        <source>JUL</source>
        <translation>JUL</translation>
    </message>
    <message>
        <source>AUG</source>
        <translation>OGO</translation>
    </message>
    <message>
        <source>SEP</source>
        <translation>SEP</translation>
    </message>
    <message>
        <source>OCT</source>
        <translation>OKT</translation>
    </message>
    <message>
        <source>NOV</source>
        <translation>NOV</translation>
    </message>
    <message>
        <source>DEC</source>
        <translation>DIS</translation>
    </message>
    <message>
        <source>latitude</source>
        <translation>latitud</translation>
    </message>
    <message>
        <source>longitude</source>
        <translation>longitud</translation>
    </message>
    <message>
        <source>altitude</source>
        <translation>altitud</translation>
    </message>
    <message>
        <source>time-zone offset</source>
        <translation>perbezaan zon waktu</translation>
    </message>
    <message>
        <source>%s and %s</source>
        <translation>%s dan %s</translation>
    </message>
    <message>
        <source>%s, %s</source>
        <translation>%s, %s</translation>
    </message>
    <message>
        <source>The new language is used as soon as you press OK.</source>
        <translation>Bahasa baharu digunakan sebaik sahaja anda menekan OK.</translation>
    </message>
</context>
</TS>
