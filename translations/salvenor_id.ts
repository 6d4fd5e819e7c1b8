<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="id">
<context>
    <name>salvenor</name>
    <message>
        <source>Muharram</source>
        <translation>Muharram</translation>
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
        <translation>Jumadilawal</translation>
    </message>
    <message>
        <source>Jumaada al-Thaany</source>
        <translation>Jumadilakhir</translation>
    </message>
    <message>
        <source>Rajab</source>
        <translation>Rajab</translation>
    </message>
    <message>
        <source>Sha`baan</source>
        <translation>Syakban</translation>
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
        <translation>Zulkaidah</translation>
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
        <translation>Maret</translation>
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
        <translation>Juni</translation>
    </message>
    <message>
        <source>July</source>
        <translation>Juli</translation>
    </message>
    <message>
        <source>August</source>
        <translation>Agustus</translation>
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
        <translation>Desember</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>Minggu</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>Senin</translation>
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
        <translation>Kamis</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>Jumat</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>Sabtu</translation>
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
        <translation>Subuh</translation>
    </message>
    <message>
        <source>Shrook</source>
        <translation>Syuruk</translation>
    </message>
    <message>
        <source>Thuhr</source>
        <translation>Zuhur</translation>
    </message>
    <message>
        <source>Asr</source>
        <translation>Asar</translation>
    </message>
    <message>
        <source>Maghrib</source>
        <translation>Magrib</translation>
    </message>
    <message>
        <source>Isha</source>
        <translation>Isya</translation>
    </message>
    <message>
        <source>Egyptian General Organisation of Surveying</source>
        <translation>Lembaga Survei Umum Mesir</translation>
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
        <translation>Liga Dunia Islam (MWL)</translation>
    </message>
    <message>
        <source>
   ERROR READING READING DISK.

ZAV installation might have been corrupted, try last operation again!
If the problem still exists, you might need to re-install ZAV again</source>
        <translation>
   KESALAHAN MEMBACA DISK.

Instalasi ZAV mungkin rusak, coba lagi operasi terakhir!
Jika masalah masih ada, Anda mungkin perlu memasang ulang ZAV</translation>
    </message>
    <message>
        <source>Error Reading initialization file...
Program needs re-installation!!! </source>
        <translation>Kesalahan membaca berkas pengaturan...
Program perlu dipasang ulang!!! </translation>
    </message>
    <message>
        <source>Error Reading initialization file...
Program needs re-installation!!!</source>
        <translation>Kesalahan membaca berkas pengaturan...
Program perlu dipasang ulang!!!</translation>
    </message>
    <message>
        <source>
   ERROR SAVING LATEST CONFIGURATION TO THE DISK.

The disk could be full.Try setting the same configuration again.
If the problem still exists, you might want to restart ZAV or restart windows!
</source>
        <translation>
   KESALAHAN MENYIMPAN PENGATURAN TERAKHIR KE DISK.

Disk mungkin penuh. Coba atur pengaturan yang sama lagi.
Jika masalah masih ada, mulai ulang ZAV atau mulai ulang komputer!
</translation>
    </message>
    <message>
        <source>The configuration file zav.cfg was damaged. It has been kept as
%s
and setup now makes a new one.</source>
        <translation>Berkas pengaturan zav.cfg rusak. Berkas itu disimpan sebagai
%s
dan penyiapan sekarang membuat yang baru.</translation>
    </message>
    <message>
        <source>The configuration file zav.cfg is damaged and could not be set aside, so setup has changed nothing. Move the file away and start Salvenor again.</source>
        <translation>Berkas pengaturan zav.cfg rusak dan tidak dapat disisihkan, jadi penyiapan tidak mengubah apa pun. Pindahkan berkas itu lalu jalankan Salvenor lagi.</translation>
    </message>
    <message>
        <source>The configuration file zav.cfg is damaged: its %s cannot be right.
Salvenor uses the value of a new installation in its place for now; choose &amp;Setup... from the bar&apos;s menu to set it again.</source>
        <translation>Berkas pengaturan zav.cfg rusak: %s-nya tidak mungkin benar.
Untuk sementara Salvenor memakai nilai instalasi baru; pilih &amp;Penyiapan... dari menu bilah untuk mengaturnya lagi.</translation>
    </message>
    <message>
        <source>  -- ERROR  --
Your application path is too long   
please re-install the application and select a shorter path
for your installation diretory!!</source>
        <translation>  -- KESALAHAN --
Jalur aplikasi Anda terlalu panjang   
silakan pasang ulang aplikasi dan pilih jalur yang lebih pendek
untuk direktori instalasi Anda!!</translation>
    </message>
    <message>
        <source>Next: %s at: %d:%02d %s</source>
        <translation>Berikutnya: %s pukul: %d:%02d %s</translation>
    </message>
    <message>
        <source>&amp;About ZAV...</source>
        <translation>&amp;Tentang ZAV...</translation>
    </message>
    <message>
        <source>&amp;Setup...</source>
        <translation>&amp;Penyiapan...</translation>
    </message>
    <message>
        <source>&amp;Options...</source>
        <translation>&amp;Opsi...</translation>
    </message>
    <message>
        <source>&amp;Month Calendar...</source>
        <translation>Kalender &amp;Bulanan...</translation>
    </message>
    <message>
        <source>&amp;Year Calendars...</source>
        <translation>Kalender &amp;Tahunan...</translation>
    </message>
    <message>
        <source>Always On &amp;Top</source>
        <translation>Selalu di &amp;Atas</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;Tentang...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Keluar</translation>
    </message>
    <message>
        <source>Salvenor (ZAV)
[Double Click for Prayer Times]</source>
        <translation>Salvenor (ZAV)
[Klik Ganda untuk Jadwal Salat]</translation>
    </message>
    <message>
        <source>Hidden Area</source>
        <translation>Area Tersembunyi</translation>
    </message>
    <message>
        <source>Today Prayer Times</source>
        <translation>Jadwal Salat Hari Ini</translation>
    </message>
    <message>
        <source>Show Prayer Bar</source>
        <translation>Tampilkan Bilah Salat</translation>
    </message>
    <message>
        <source>         Close Prayer Bar?         
(You can display it again from the task-bar icon)    </source>
        <translation>         Tutup Bilah Salat?         
(Anda dapat menampilkannya lagi dari ikon bilah tugas)    </translation>
    </message>
    <message>
        <source>Do you really want to Exit Salvenor?</source>
        <translation>Anda yakin ingin keluar dari Salvenor?</translation>
    </message>
    <message>
        <source>Your desktop has no notification area, so Salvenor cannot show its tray icon.

Right-click the prayer bar for &quot;Today Prayer Times&quot;, &quot;Show Prayer Bar&quot; and &quot;Exit&quot;. The bar&apos;s menu button holds every other command.</source>
        <translation>Desktop Anda tidak memiliki area notifikasi, jadi Salvenor tidak dapat menampilkan ikonnya.

Klik kanan bilah salat untuk &quot;Jadwal Salat Hari Ini&quot;, &quot;Tampilkan Bilah Salat&quot; dan &quot;Keluar&quot;. Tombol menu bilah memuat semua perintah lainnya.</translation>
    </message>
    <message>
        <source>The prayer bar stays shown: your desktop has no notification area from which it could be shown again.

To let other windows cover it, switch &quot;Always On Top&quot; off in the bar&apos;s menu.</source>
        <translation>Bilah salat tetap ditampilkan: desktop Anda tidak memiliki area notifikasi untuk menampilkannya lagi.

Agar jendela lain dapat menutupinya, matikan &quot;Selalu di Atas&quot; di menu bilah.</translation>
    </message>
    <message>
        <source>Athan Time - ZAV</source>
        <translation>Waktu Azan - ZAV</translation>
    </message>
    <message>
        <source>Its %s -- Time for &quot; %s &quot; Prayer </source>
        <translation>Pukul %s -- Waktunya Salat &quot; %s &quot; </translation>
    </message>
    <message>
        <source>%s at %s</source>
        <translation>%s pukul %s</translation>
    </message>
    <message>
        <source>Next Sala Tme:</source>
        <translation>Salat Berikutnya:</translation>
    </message>
    <message>
        <source>Close Window</source>
        <translation>Tutup Jendela</translation>
    </message>
    <message>
        <source>Stop Athan !</source>
        <translation>Hentikan Azan !</translation>
    </message>
    <message>
        <source>Sala Time Reminder</source>
        <translation>Pengingat Waktu Salat</translation>
    </message>
    <message>
        <source>Later (!!)</source>
        <translation>Nanti (!!)</translation>
    </message>
    <message>
        <source>I have already Prayed</source>
        <translation>Saya sudah salat</translation>
    </message>
    <message>
        <source>Remind again me in:</source>
        <translation>Ingatkan lagi dalam:</translation>
    </message>
    <message>
        <source>minutes</source>
        <translation>menit</translation>
    </message>
    <message>
        <source>Minutes until the reminder</source>
        <translation>Menit sampai pengingat</translation>
    </message>
    <message>
        <source>Command menu</source>
        <translation>Menu perintah</translation>
    </message>
    <message>
        <source>About Salvenor</source>
        <translation>Tentang Salvenor</translation>
    </message>
    <message>
        <source>Setup</source>
        <translation>Penyiapan</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opsi</translation>
    </message>
    <message>
        <source>Custom offset from GMT in hours</source>
        <translation>Selisih khusus dari GMT dalam jam</translation>
    </message>
    <message>
        <source>Today&apos;s prayer times</source>
        <translation>Jadwal salat hari ini</translation>
    </message>
    <message>
        <source>Too Much Cities...not all cities are displayed!!</source>
        <translation>Terlalu banyak kota...tidak semua kota ditampilkan!!</translation>
    </message>
    <message>
        <source>%1 was not found.</source>
        <translation>%1 tidak ditemukan.</translation>
    </message>
    <message>
        <source>Access to %1 was denied.</source>
        <translation>Akses ke %1 ditolak.</translation>
    </message>
    <message>
        <source>An unexpected error occurred while opening %1.</source>
        <translation>Terjadi kesalahan tak terduga saat membuka %1.</translation>
    </message>
    <message>
        <source>The world city database is damaged: %s.
The country and city lists cannot be trusted; you might need to re-install ZAV again.</source>
        <translation>Basis data kota dunia rusak: %s.
Daftar negara dan kota tidak dapat dipercaya; Anda mungkin perlu memasang ulang ZAV.</translation>
    </message>
    <message>
        <source>world.sum lists a country without a name</source>
        <translation>world.sum mencantumkan negara tanpa nama</translation>
    </message>
    <message>
        <source>the countries of world.sum do not point to their cities in order</source>
        <translation>negara-negara di world.sum tidak menunjuk ke kotanya secara berurutan</translation>
    </message>
    <message>
        <source>world.sum points past the end of IndexWorld.zav</source>
        <translation>world.sum menunjuk melewati akhir IndexWorld.zav</translation>
    </message>
    <message>
        <source>IndexWorld.zav holds cities whose coordinates no place can have; they are left out</source>
        <translation>IndexWorld.zav memuat kota dengan koordinat yang mustahil; kota itu dilewati</translation>
    </message>
    <message>
        <source>The world city database is built from GeoNames (https://www.geonames.org/), licensed under CC BY 4.0 (https://creativecommons.org/licenses/by/4.0/).</source>
        <translation>Basis data kota dunia dibangun dari GeoNames (https://www.geonames.org/), dengan lisensi CC BY 4.0 (https://creativecommons.org/licenses/by/4.0/).</translation>
    </message>
    <message>
        <source>Country And city selection</source>
        <translation>Pilihan Negara dan Kota</translation>
    </message>
    <message>
        <source>Chose Country</source>
        <translation>Pilih Negara</translation>
    </message>
    <message>
        <source>Chose City</source>
        <translation>Pilih Kota</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>Negara</translation>
    </message>
    <message>
        <source>Current Country: </source>
        <translation>Negara Saat Ini: </translation>
    </message>
    <message>
        <source>COUNTRY NAME</source>
        <translation>NAMA NEGARA</translation>
    </message>
    <message>
        <source>City Name</source>
        <translation>Nama Kota</translation>
    </message>
    <message>
        <source>City First Character:</source>
        <translation>Huruf Pertama Kota:</translation>
    </message>
    <message>
        <source>Current City:</source>
        <translation>Kota Saat Ini:</translation>
    </message>
    <message>
        <source>CURRENT CITY</source>
        <translation>KOTA SAAT INI</translation>
    </message>
    <message>
        <source>&amp;Not Found? Press Here...</source>
        <translation>&amp;Tidak Ketemu? Tekan Di Sini...</translation>
    </message>
    <message>
        <source>Country was not yet selected - Please select country first!</source>
        <translation>Negara belum dipilih - Silakan pilih negara terlebih dahulu!</translation>
    </message>
    <message>
        <source>Error Occurred while building the city list!!</source>
        <translation>Terjadi kesalahan saat membuat daftar kota!!</translation>
    </message>
    <message>
        <source>No Enough memory to list all of the Cities !!</source>
        <translation>Memori tidak cukup untuk menampilkan semua kota !!</translation>
    </message>
    <message>
        <source>No City with that letter, please choose another one</source>
        <translation>Tidak ada kota dengan huruf itu, silakan pilih huruf lain</translation>
    </message>
    <message>
        <source>The database lists no city for that country</source>
        <translation>Basis data tidak mencantumkan kota untuk negara itu</translation>
    </message>
    <message>
        <source>Invalid Country..please select a valid country from the country list</source>
        <translation>Negara tidak valid..silakan pilih negara yang valid dari daftar negara</translation>
    </message>
    <message>
        <source>Please choose a city of the new country from the city list, or press &quot;Not Found? Press Here...&quot; to type its coordinates.</source>
        <translation>Silakan pilih kota dari negara baru di daftar kota, atau tekan &quot;Tidak Ketemu? Tekan Di Sini...&quot; untuk mengetik koordinatnya.</translation>
    </message>
    <message>
        <source>Choose your city: menu, Setup...</source>
        <translation>Pilih kota Anda: menu, Penyiapan...</translation>
    </message>
    <message>
        <source>no city chosen yet (menu, Setup...)</source>
        <translation>belum ada kota yang dipilih (menu, Penyiapan...)</translation>
    </message>
    <message>
        <source>Salvenor (ZAV)</source>
        <translation>Salvenor (ZAV)</translation>
    </message>
    <message>
        <source>Reading configurations.... Please wait!</source>
        <translation>Membaca pengaturan.... Mohon tunggu!</translation>
    </message>
    <message>
        <source>File Error...you may need to re-install ZAV again!!!</source>
        <translation>Kesalahan Berkas...Anda mungkin perlu memasang ulang ZAV!!!</translation>
    </message>
    <message>
        <source>File Error...you may need to re-install ZAV again!!!

%s</source>
        <translation>Kesalahan Berkas...Anda mungkin perlu memasang ulang ZAV!!!

%s</translation>
    </message>
    <message>
        <source>Cannot open file %s</source>
        <translation>Tidak dapat membuka berkas %s</translation>
    </message>
    <message>
        <source>Today Pryer Times</source>
        <translation>Jadwal Salat Hari Ini</translation>
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
        <translation>Tentang Salvenor Versi 2.0</translation>
    </message>
    <message>
        <source>Version 2.0</source>
        <translation>Versi 2.0</translation>
    </message>
    <message>
        <source>Released December 2026</source>
        <translation>Dirilis Desember 2026</translation>
    </message>
    <message>
        <source>Prayer times for your desktop</source>
        <translation>Jadwal salat untuk desktop Anda</translation>
    </message>
    <message>
        <source>Package version %1</source>
        <translation>Versi paket %1</translation>
    </message>
    <message>
        <source>Copyright (C) 2026 The Salvenor developers</source>
        <translation>Hak Cipta (C) 2026 Para pengembang Salvenor</translation>
    </message>
    <message>
        <source>Salvenor is free software: you can redistribute it and/or modify it under the terms of the GNU General Public License, version 3 or (at your option) any later version (GPL-3.0-or-later). It comes with no warranty.</source>
        <translation>Salvenor adalah perangkat lunak bebas: Anda dapat mendistribusikan ulang dan/atau mengubahnya menurut ketentuan GNU General Public License, versi 3 atau (sesuai pilihan Anda) versi yang lebih baru (GPL-3.0-or-later). Perangkat lunak ini tanpa jaminan apa pun.</translation>
    </message>
    <message>
        <source>Salvenor (ZAV) New Installation Setup</source>
        <translation>Penyiapan Instalasi Baru Salvenor (ZAV)</translation>
    </message>
    <message>
        <source>ZAV INITIAL SETUP</source>
        <translation>PENYIAPAN AWAL ZAV</translation>
    </message>
    <message>
        <source>You will need to enter the COUNTRY NAME and the CITY NAME so that the ZAV can adjust prayer times to your location. </source>
        <translation>Anda perlu memasukkan NAMA NEGARA dan NAMA KOTA agar ZAV dapat menyesuaikan jadwal salat dengan lokasi Anda. </translation>
    </message>
    <message>
        <source>In the coming dialog, please select those settings carefuly. You can change that at any time from the &quot;Setup&quot; menu. </source>
        <translation>Pada dialog berikut, silakan pilih pengaturan itu dengan teliti. Anda dapat mengubahnya kapan saja dari menu &quot;Penyiapan&quot;. </translation>
    </message>
    <message>
        <source>Press &quot;Continue&quot; to begin the setings or Exit if you wish to cancel Setup (Note if you cancel, a default setup will be put for you which might not be correct</source>
        <translation>Tekan &quot;Lanjutkan&quot; untuk mulai mengatur atau Keluar jika ingin membatalkan Penyiapan (Catatan: jika dibatalkan, penyiapan bawaan akan dipasang untuk Anda dan mungkin tidak tepat</translation>
    </message>
    <message>
        <source>Continue...</source>
        <translation>Lanjutkan...</translation>
    </message>
    <message>
        <source>Exit !</source>
        <translation>Keluar !</translation>
    </message>
    <message>
        <source>Reminder</source>
        <translation>Pengingat</translation>
    </message>
    <message>
        <source>Please visit our website at:</source>
        <translation>Silakan kunjungi situs web kami di:</translation>
    </message>
    <message>
        <source>For support, questions, suggestions or comments please send us an email on</source>
        <translation>Untuk bantuan, pertanyaan, saran atau komentar silakan kirim email kepada kami di</translation>
    </message>
    <message>
        <source>Not Supported !!</source>
        <translation>Tidak Didukung !!</translation>
    </message>
    <message>
        <source>Not supported yet</source>
        <translation>Belum didukung</translation>
    </message>
    <message>
        <source>This feature is not part of this release.</source>
        <translation>Fitur ini bukan bagian dari rilis ini.</translation>
    </message>
    <message>
        <source>News of future releases:</source>
        <translation>Berita rilis mendatang:</translation>
    </message>
    <message>
        <source>Please enter a number.</source>
        <translation>Silakan masukkan angka.</translation>
    </message>
    <message>
        <source>Please enter an integer.</source>
        <translation>Silakan masukkan bilangan bulat.</translation>
    </message>
    <message>
        <source>Please enter a positive integer.</source>
        <translation>Silakan masukkan bilangan bulat positif.</translation>
    </message>
    <message>
        <source>Please enter an integer between %1 and %2.</source>
        <translation>Silakan masukkan bilangan bulat antara %1 dan %2.</translation>
    </message>
    <message>
        <source>Please enter a number between %1 and %2.</source>
        <translation>Silakan masukkan angka antara %1 dan %2.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Batal</translation>
    </message>
    <message>
        <source>Location Positioning</source>
        <translation>Penentuan Lokasi</translation>
    </message>
    <message>
        <source>CityName</source>
        <translation>NamaKota</translation>
    </message>
    <message>
        <source>City Coordinates</source>
        <translation>Koordinat Kota</translation>
    </message>
    <message>
        <source>Enter  Longitude:</source>
        <translation>Masukkan  Bujur:</translation>
    </message>
    <message>
        <source>Enter  Latitude:</source>
        <translation>Masukkan  Lintang:</translation>
    </message>
    <message>
        <source>Enter  Altitude</source>
        <translation>Masukkan  Ketinggian</translation>
    </message>
    <message>
        <source>Decimal</source>
        <translation>Desimal</translation>
    </message>
    <message>
        <source>No sound device: the athan cannot be heard.</source>
        <translation>Tidak ada perangkat suara: azan tidak dapat didengar.</translation>
    </message>
    <message>
        <source>North and east are positive, south and west negative (73.95 W is -73.95).</source>
        <translation>Utara dan timur positif, selatan dan barat negatif (73.95 BB adalah -73.95).</translation>
    </message>
    <message>
        <source>(Meters)</source>
        <translation>(Meter)</translation>
    </message>
    <message>
        <source>Advanced Setup</source>
        <translation>Penyiapan Lanjutan</translation>
    </message>
    <message>
        <source>Time Zone</source>
        <translation>Zona Waktu</translation>
    </message>
    <message>
        <source>&amp;Follow Windows</source>
        <translation>&amp;Ikuti Sistem</translation>
    </message>
    <message>
        <source>Custom:</source>
        <translation>Khusus:</translation>
    </message>
    <message>
        <source>GMT</source>
        <translation>GMT</translation>
    </message>
    <message>
        <source>Calculation Way</source>
        <translation>Metode Perhitungan</translation>
    </message>
    <message>
        <source>Month Calendar</source>
        <translation>Kalender Bulanan</translation>
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
        <translation>Hijriah</translation>
    </message>
    <message>
        <source>Georgian</source>
        <translation>Masehi</translation>
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
        <translation>&amp;Berkas</translation>
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
        <translation>&amp;Pratinjau Cetak</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Tutup</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Sunting</translation>
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
        <translation>Kalender Hijriah di sini berlaku dari Muharram tahun 1 sampai tahun 9999.</translation>
    </message>
    <message>
        <source>The Gregorian calendar here runs from August 622 to the year 9999.</source>
        <translation>Kalender Masehi di sini berlaku dari Agustus 622 sampai tahun 9999.</translation>
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
        <translation>Tahun berikutnya</translation>
    </message>
    <message>
        <source>Previous year</source>
        <translation>Tahun sebelumnya</translation>
    </message>
    <message>
        <source>Next month</source>
        <translation>Bulan berikutnya</translation>
    </message>
    <message>
        <source>Previous month</source>
        <translation>Bulan sebelumnya</translation>
    </message>
    <message>
        <source>Calendar</source>
        <translation>Kalender</translation>
    </message>
    <message>
        <source>Calendar page</source>
        <translation>Halaman kalender</translation>
    </message>
    <message>
        <source>Menu bar</source>
        <translation>Bilah menu</translation>
    </message>
    <message>
        <source>Year range</source>
        <translation>Rentang tahun</translation>
    </message>
    <message>
        <source>Fi&amp;nd:</source>
        <translation>&amp;Cari:</translation>
    </message>
    <message>
        <source>Text to find</source>
        <translation>Teks yang dicari</translation>
    </message>
    <message>
        <source>Ne&amp;xt</source>
        <translation>&amp;Berikutnya</translation>
    </message>
    <message>
        <source>Pre&amp;vious</source>
        <translation>Se&amp;belumnya</translation>
    </message>
    <message>
        <source>Close find bar</source>
        <translation>Tutup bilah pencarian</translation>
    </message>
    <message>
        <source>Find result</source>
        <translation>Hasil pencarian</translation>
    </message>
    <message>
        <source>Not found</source>
        <translation>Tidak ditemukan</translation>
    </message>
    <message>
        <source>Reached the end of the page, continued from the top</source>
        <translation>Mencapai akhir halaman, dilanjutkan dari atas</translation>
    </message>
    <message>
        <source>Reached the start of the page, continued from the bottom</source>
        <translation>Mencapai awal halaman, dilanjutkan dari bawah</translation>
    </message>
    <message>
        <source>Athan &amp; Reminder Settings</source>
        <translation>Pengaturan Azan &amp; Pengingat</translation>
    </message>
    <message>
        <source>All Prayer Athan File (WAV)</source>
        <translation>Berkas Azan Semua Salat (WAV)</translation>
    </message>
    <message>
        <source>Fajr Prayer Athan File (WAV):</source>
        <translation>Berkas Azan Salat Subuh (WAV):</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Telusuri...</translation>
    </message>
    <message>
        <source>Display Athan Dialog and Play Athan Sound When Prayer Time Comes</source>
        <translation>Tampilkan Dialog Azan dan Putar Suara Azan Saat Waktu Salat Tiba</translation>
    </message>
    <message>
        <source>Bring Time Bar on Top to Remind of Prayer Time</source>
        <translation>Bawa Bilah Waktu ke Atas untuk Mengingatkan Waktu Salat</translation>
    </message>
    <message>
        <source>Mute All Sounds</source>
        <translation>Bisukan Semua Suara</translation>
    </message>
    <message>
        <source>Start Salvenor when I &amp;log in</source>
        <translation>Jalankan Salvenor saat saya &amp;masuk</translation>
    </message>
    <message>
        <source>Salvenor could not change its login start entry:
%1</source>
        <translation>Salvenor tidak dapat mengubah entri mulai saat masuk:
%1</translation>
    </message>
    <message>
        <source>Play or stop the All Prayer Athan</source>
        <translation>Putar atau hentikan Azan Semua Salat</translation>
    </message>
    <message>
        <source>Play or stop the Fajr Prayer Athan</source>
        <translation>Putar atau hentikan Azan Salat Subuh</translation>
    </message>
    <message>
        <source>Browse for the All Prayer Athan File</source>
        <translation>Telusuri Berkas Azan Semua Salat</translation>
    </message>
    <message>
        <source>Browse for the Fajr Prayer Athan File</source>
        <translation>Telusuri Berkas Azan Salat Subuh</translation>
    </message>
    <message>
        <source>Wave Files (*.wav) </source>
        <translation>Berkas Wave (*.wav) </translation>
    </message>
    <message>
        <source>All Files (*.*)</source>
        <translation>Semua Berkas (*.*)</translation>
    </message>
    <message>
        <source>Date Adjustments</source>
        <translation>Penyesuaian Tanggal</translation>
    </message>
    <message>
        <source>Not Supported In this version</source>
        <translation>Tidak Didukung di versi ini</translation>
    </message>
    <message>
        <source>Overwrite the current Hijri date</source>
        <translation>Ganti tanggal Hijriah saat ini</translation>
    </message>
    <message>
        <source>Today is:</source>
        <translation>Hari ini:</translation>
    </message>
    <message>
        <source>of</source>
        <translation>dari</translation>
    </message>
    <message>
        <source>Chose Hijri Month</source>
        <translation>Pilih Bulan Hijriah</translation>
    </message>
    <message>
        <source>Hijri day of month</source>
        <translation>Hari dalam bulan Hijriah</translation>
    </message>
    <message>
        <source>Hijri month</source>
        <translation>Bulan Hijriah</translation>
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
        <translation>%1 dalam %2 j %3 mnt</translation>
    </message>
    <message>
        <source>%1 in %2 min</source>
        <translation>%1 dalam %2 mnt</translation>
    </message>
    <message>
        <source>Prayer bar</source>
        <translation>Bilah salat</translation>
    </message>
    <message>
        <source>Put the bar back in the corner</source>
        <translation>Kembalikan bilah ke sudut</translation>
    </message>
    <message>
        <source>Or &amp;search:</source>
        <translation>Atau &amp;cari:</translation>
    </message>
    <message>
        <source>Any part of the name</source>
        <translation>Bagian mana pun dari nama</translation>
    </message>
    <message>
        <source>Cities found</source>
        <translation>Kota yang ditemukan</translation>
    </message>
    <message>
        <source>%1   (%2)</source>
        <translation>%1   (%2)</translation>
    </message>
    <message>
        <source>No city of this country has that name.</source>
        <translation>Tidak ada kota di negara ini dengan nama itu.</translation>
    </message>
    <message>
        <source>The first %1 of %2 cities: type more to see the others.</source>
        <translation>%1 kota pertama dari %2: ketik lebih banyak untuk melihat yang lain.</translation>
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
        <translation>Dubai (Uni Emirat Arab)</translation>
    </message>
    <message>
        <source>Singapore (MUIS)</source>
        <translation>Singapura (MUIS)</translation>
    </message>
    <message>
        <source>Institute of Geophysics, University of Tehran</source>
        <translation>Institut Geofisika, Universitas Teheran</translation>
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
        <translation>Liga Muslim Dunia</translation>
    </message>
    <message>
        <source>Egyptian General Authority of Survey</source>
        <translation>Otoritas Survei Umum Mesir</translation>
    </message>
    <message>
        <source>Time for %1</source>
        <translation>Waktunya %1</translation>
    </message>
    <message>
        <source>%1 at %2</source>
        <translation>%1 pukul %2</translation>
    </message>
    <message>
        <source>%1 in %2 minutes</source>
        <translation>%1 dalam %2 menit</translation>
    </message>
    <message>
        <source>Desktop notifications</source>
        <translation>Notifikasi desktop</translation>
    </message>
    <message>
        <source>Notify me at each prayer time</source>
        <translation>Beri tahu saya pada setiap waktu salat</translation>
    </message>
    <message>
        <source>Warn me before each prayer</source>
        <translation>Ingatkan saya sebelum setiap salat</translation>
    </message>
    <message>
        <source> minutes before</source>
        <translation> menit sebelumnya</translation>
    </message>
    <message>
        <source>Minutes of the warning before each prayer</source>
        <translation>Menit peringatan sebelum setiap salat</translation>
    </message>
    <message>
        <source>&amp;Export Prayer Times...</source>
        <translation>&amp;Ekspor Waktu Salat...</translation>
    </message>
    <message>
        <source>Salvenor could not write the prayer times to:
%1</source>
        <translation>Salvenor tidak dapat menulis waktu salat ke:
%1</translation>
    </message>
    <message>
        <source>iCalendar Files (*.ics)</source>
        <translation>Berkas iCalendar (*.ics)</translation>
    </message>
    <message>
        <source>%s in %d minutes</source>
        <translation>%s dalam %d menit</translation>
    </message>
    <message>
        <source>%ld degrees, %s</source>
        <translation>%ld derajat, %s</translation>
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
        <translation>Perhitungan</translation>
    </message>
    <message>
        <source>Custom angles</source>
        <translation>Sudut khusus</translation>
    </message>
    <message>
        <source>&amp;Convention:</source>
        <translation>&amp;Konvensi:</translation>
    </message>
    <message>
        <source>The built-in way of Advanced Setup</source>
        <translation>Cara bawaan Penyiapan Lanjutan</translation>
    </message>
    <message>
        <source>Whose angles give Fajr and Isha: the built-in way, a published convention, or your own.</source>
        <translation>Sudut yang menentukan Subuh dan Isya: cara bawaan, konvensi yang diterbitkan, atau milik Anda sendiri.</translation>
    </message>
    <message>
        <source>&amp;Fajr angle:</source>
        <translation>Sudut &amp;Subuh:</translation>
    </message>
    <message>
        <source>&amp;Isha angle:</source>
        <translation>Sudut &amp;Isya:</translation>
    </message>
    <message>
        <source>or Isha &amp;minutes after Maghrib:</source>
        <translation>atau Isya &amp;menit setelah Magrib:</translation>
    </message>
    <message>
        <source>Custom: the sun&apos;s depression at Fajr and Isha, or Isha a fixed time after Maghrib (0: by angle).</source>
        <translation>Khusus: kedalaman matahari di bawah ufuk saat Subuh dan Isya, atau Isya selang waktu tetap setelah Magrib (0: menurut sudut).</translation>
    </message>
    <message>
        <source>&amp;Asr:</source>
        <translation>&amp;Asar:</translation>
    </message>
    <message>
        <source>Standard (Shafi&apos;i, Maliki, Hanbali)</source>
        <translation>Standar (Syafi&apos;i, Maliki, Hanbali)</translation>
    </message>
    <message>
        <source>Hanafi</source>
        <translation>Hanafi</translation>
    </message>
    <message>
        <source>Asr begins when a shadow is one object length longer than at noon, or two (Hanafi).</source>
        <translation>Asar dimulai ketika bayangan lebih panjang satu kali panjang benda daripada saat tengah hari, atau dua kali (Hanafi).</translation>
    </message>
    <message>
        <source>Minutes added:</source>
        <translation>Menit ditambahkan:</translation>
    </message>
    <message>
        <source>Minutes (-30 to 30) added to each time, as your mosque&apos;s timetable does.</source>
        <translation>Menit (-30 hingga 30) yang ditambahkan ke setiap waktu, seperti jadwal masjid Anda.</translation>
    </message>
    <message>
        <source>Minutes added to %1</source>
        <translation>Menit yang ditambahkan ke %1</translation>
    </message>
    <message>
        <source>&amp;High latitudes:</source>
        <translation>&amp;Lintang tinggi:</translation>
    </message>
    <message>
        <source>A seventh of the night</source>
        <translation>Sepertujuh malam</translation>
    </message>
    <message>
        <source>The middle of the night</source>
        <translation>Pertengahan malam</translation>
    </message>
    <message>
        <source>The angle&apos;s share of the night</source>
        <translation>Bagian malam menurut sudut</translation>
    </message>
    <message>
        <source>Fajr and Isha where the sun does not sink to their angle (summer nights far north).</source>
        <translation>Subuh dan Isya di tempat matahari tidak turun sampai sudutnya (malam musim panas di utara jauh).</translation>
    </message>
    <message>
        <source>&amp;Sun:</source>
        <translation>Ma&amp;tahari:</translation>
    </message>
    <message>
        <source>The built-in table</source>
        <translation>Tabel bawaan</translation>
    </message>
    <message>
        <source>Computed for the date</source>
        <translation>Dihitung untuk tanggal tersebut</translation>
    </message>
    <message>
        <source>The sun&apos;s place from the built-in table of one year, or computed for each date.</source>
        <translation>Posisi matahari dari tabel bawaan satu tahun, atau dihitung untuk setiap tanggal.</translation>
    </message>
    <message>
        <source>Hijri &amp;day adjustment:</source>
        <translation>Penyesuaian &amp;hari Hijriah:</translation>
    </message>
    <message>
        <source>Days (-2 to 2) added to the Hijri date, to follow the local moon sighting.</source>
        <translation>Hari (-2 hingga 2) yang ditambahkan ke tanggal Hijriah, untuk mengikuti rukyat setempat.</translation>
    </message>
    <message>
        <source>Today&apos;s times with these choices:</source>
        <translation>Waktu hari ini dengan pilihan ini:</translation>
    </message>
    <message>
        <source>Proposed for %1: %2. OK confirms it; Cancel keeps your choice.</source>
        <translation>Diusulkan untuk %1: %2. OK mengonfirmasinya; Batal mempertahankan pilihan Anda.</translation>
    </message>
    <message>
        <source>In force: %1 (chosen on the Calculation page).</source>
        <translation>Berlaku: %1 (dipilih di halaman Perhitungan).</translation>
    </message>
    <message>
        <source>Your choices could not be saved in %1 (%2). They stay in force until Salvenor is closed.</source>
        <translation>Pilihan Anda tidak dapat disimpan di %1 (%2). Pilihan tetap berlaku sampai Salvenor ditutup.</translation>
    </message>
    <message>
        <source>Qibla (direction of the Kaaba from true north): %1</source>
        <translation>Kiblat (arah Ka&apos;bah dari utara sejati): %1</translation>
    </message>
    <message>
        <source>1 Muhaaran: &lt;font color=&quot;#800040&quot;&gt; Start of the Hijri Calendar</source>
        <translation>1 Muharram: &lt;font color=&quot;#800040&quot;&gt;Awal Tahun Hijriah</translation>
    </message>
    <message>
        <source>2 Safar: &lt;font color=&quot;#800040&quot;&gt;Hijra from Makka to Madina</source>
        <translation>27 Safar: &lt;font color=&quot;#800040&quot;&gt;Hijrah dari Makkah ke Madinah</translation>
    </message>
    <message>
        <source>12 of Raby` al-awal: &lt;font color=&quot;#800040&quot;&gt;The Birth of Prophet Muhammad (SAAWS)</source>
        <translation>12 Rabiulawal: &lt;font color=&quot;#800040&quot;&gt;Maulid Nabi Muhammad ﷺ</translation>
    </message>
    <message>
        <source>27 of Rajab: &lt;font color=&quot;#800040&quot;&gt;Isra&apos; and Mi&apos;raj</source>
        <translation>27 Rajab: &lt;font color=&quot;#800040&quot;&gt;Isra Mikraj</translation>
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
        <translation>21 Ramadan: &lt;font color=&quot;#800040&quot;&gt;Fathu Makkah</translation>
    </message>
    <message>
        <source>1,2,3 Shawwal: &lt;font color=&quot;#800040&quot;&gt;Eid Al-Fitr</source>
        <translation>1, 2, 3 Syawal: &lt;font color=&quot;#800040&quot;&gt;Idulfitri</translation>
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
        <translation>17 Zulkaidah: &lt;font color=&quot;#800040&quot;&gt;Perang Ahzab</translation>
    </message>
    <message>
        <source>9  of Thw al-Hijjah: &lt;font color=&quot;#800040&quot;&gt;Day of Araft</source>
        <translation>9 Zulhijah: &lt;font color=&quot;#800040&quot;&gt;Hari Arafah</translation>
    </message>
    <message>
        <source>10,11,12 of Thw al-Hijjah: &lt;font color=&quot;#800040&quot;&gt;Eid Al-Adha</source>
        <translation>10, 11, 12 Zulhijah: &lt;font color=&quot;#800040&quot;&gt;Iduladha</translation>
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
        <translation>Raj</translation>
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
        <translation>DzQ</translation>
    </message>
    <message>
        <source>Hjah</source>
        <translation>DzH</translation>
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
        <translation>MAR</translation>
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
        <translation>AGU</translation>
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
        <translation>DES</translation>
    </message>
    <message>
        <source>latitude</source>
        <translation>lintang</translation>
    </message>
    <message>
        <source>longitude</source>
        <translation>bujur</translation>
    </message>
    <message>
        <source>altitude</source>
        <translation>ketinggian</translation>
    </message>
    <message>
        <source>time-zone offset</source>
        <translation>selisih zona waktu</translation>
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
        <translation>Bahasa baru digunakan begitu Anda menekan OK.</translation>
    </message>
</context>
</TS>
