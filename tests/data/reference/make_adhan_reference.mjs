// Writes the astronomical reference prayer times of adhan 4.4.6 (MIT, npm package `adhan`)
// into this folder. The data is generated once and committed; nothing is fetched or run
// at test time.
//
// How to run (Node 18 or later; adhan is installed outside the repository):
//   mkdir -p /tmp/adhanref && cd /tmp/adhanref && npm install adhan@4.4.6
//   cd /tmp/adhanref && node /path/to/tests/data/reference/make_adhan_reference.mjs
// The script loads adhan from ./node_modules/adhan of the current folder (or from the
// folder named by ADHAN_DIR) and refuses any version other than 4.4.6.
//
// Writes, beside this script:
//   adhan_places.tsv            the places (name, latitude, longitude, elevation, IANA zone)
//   adhan_methods.tsv           the parameters adhan used, per method and variant
//   adhan_times.tsv.gz          the method's own parameters, minute adjustments included
//   adhan_times_angles.tsv.gz   the same with the method's minute adjustments set to zero
//   adhan_dates.txt             the dates and why each one is in the set
// Every time is a UTC instant, ISO 8601 with seconds, rounded to the nearest second
// (adhan's own rounding is switched off: Rounding.None).

import fs from 'node:fs';
import path from 'node:path';
import zlib from 'node:zlib';
import { fileURLToPath, pathToFileURL } from 'node:url';

// adhan reads the calendar date of the Date it is given in the process's local zone;
// UTC makes that date the one we pass.
process.env.TZ = 'UTC';

const adhanDir = path.resolve(process.env.ADHAN_DIR || path.join(process.cwd(), 'node_modules', 'adhan'));
const pkg = JSON.parse(fs.readFileSync(path.join(adhanDir, 'package.json'), 'utf8'));
if (pkg.name !== 'adhan' || pkg.version !== '4.4.6') {
  throw new Error(`need adhan 4.4.6, found ${pkg.name} ${pkg.version} in ${adhanDir}`);
}
const esm = (file) => import(pathToFileURL(path.join(adhanDir, 'lib', 'esm', file)).href);
const adhan = await esm('Adhan.js');
// Only used to tell which rule set Fajr and Isha (the angle, or a bound of the night).
const SolarTime = (await esm('SolarTime.js')).default;
const TimeComponents = (await esm('TimeComponents.js')).default;

const outDir = path.dirname(fileURLToPath(import.meta.url));
const YEAR = 2026;

// name, latitude, longitude, elevation (m; adhan does not use it), IANA zone
const PLACES = [
  ['Makkah', 21.4225, 39.8262, 0, 'Asia/Riyadh'],
  ['Cairo', 30.0444, 31.2357, 0, 'Africa/Cairo'],
  ['Karachi', 24.8607, 67.0011, 0, 'Asia/Karachi'],
  ['Jakarta', -6.2088, 106.8456, 0, 'Asia/Jakarta'],
  ['Kuala Lumpur', 3.139, 101.6869, 0, 'Asia/Kuala_Lumpur'],
  ['Singapore', 1.3521, 103.8198, 0, 'Asia/Singapore'],
  ['Istanbul', 41.0082, 28.9784, 0, 'Europe/Istanbul'],
  ['Tehran', 35.6892, 51.389, 0, 'Asia/Tehran'],
  ['Dubai', 25.2048, 55.2708, 0, 'Asia/Dubai'],
  ['Kuwait City', 29.3759, 47.9774, 0, 'Asia/Kuwait'],
  ['Doha', 25.2854, 51.531, 0, 'Asia/Qatar'],
  ['London', 51.5074, -0.1278, 0, 'Europe/London'],
  ['Toronto', 43.6532, -79.3832, 0, 'America/Toronto'],
  ['New York', 40.7128, -74.006, 0, 'America/New_York'],
  ['Sydney', -33.8688, 151.2093, 0, 'Australia/Sydney'],
  ['Johannesburg', -26.2041, 28.0473, 0, 'Africa/Johannesburg'],
  ['Oslo', 59.9139, 10.7522, 0, 'Europe/Oslo'],
  ['Helsinki', 60.1699, 24.9384, 0, 'Europe/Helsinki'],
];

const METHODS = [
  'MuslimWorldLeague', 'Egyptian', 'Karachi', 'UmmAlQura', 'Dubai', 'Qatar', 'Kuwait',
  'MoonsightingCommittee', 'Singapore', 'Turkey', 'Tehran', 'NorthAmerica',
];
const MADHABS = [['shafi', adhan.Madhab.Shafi], ['hanafi', adhan.Madhab.Hanafi]];
const PRAYERS = ['fajr', 'sunrise', 'dhuhr', 'asr', 'maghrib', 'isha'];

// ---- dates: every 5th day from 1 January, the solstices and equinoxes, the last day of
// the year, and every day on which one of the places' zones changes its UTC offset.
const iso = (y, m, d) => `${y}-${String(m).padStart(2, '0')}-${String(d).padStart(2, '0')}`;
const dayDate = (n) => { const t = new Date(Date.UTC(YEAR, 0, 1 + n)); return iso(t.getUTCFullYear(), t.getUTCMonth() + 1, t.getUTCDate()); };
const why = new Map();
const addDate = (d, reason) => { why.set(d, [...(why.get(d) || []), reason]); };
for (let n = 0; dayDate(n).startsWith(String(YEAR)); n += 5) addDate(dayDate(n), 'every 5th day');
addDate(`${YEAR}-12-31`, 'last day of the year');
// 2026: equinox 20 March 14:46 UT, solstice 21 June 08:24 UT, equinox 23 September 00:05 UT,
// solstice 21 December 20:50 UT (USNO, Earth's seasons).
addDate(`${YEAR}-03-20`, 'March equinox');
addDate(`${YEAR}-06-21`, 'June solstice');
addDate(`${YEAR}-09-23`, 'September equinox');
addDate(`${YEAR}-12-21`, 'December solstice');
const offsetMinutes = (zone, utcMillis) => {
  const parts = new Intl.DateTimeFormat('en-GB', { timeZone: zone, hourCycle: 'h23', year: 'numeric', month: 'numeric', day: 'numeric', hour: 'numeric', minute: 'numeric' })
    .formatToParts(new Date(utcMillis)).reduce((o, p) => ({ ...o, [p.type]: Number(p.value) }), {});
  return Math.round((Date.UTC(parts.year, parts.month - 1, parts.day, parts.hour, parts.minute) - utcMillis) / 60000);
};
for (const zone of new Set(PLACES.map((p) => p[4]))) {
  // Offsets at about local noon of the day before and of the day itself: the clocks change
  // between the two (at night, or at midnight in Cairo).
  const noon = (n) => Date.UTC(YEAR, 0, 1 + n, 12) - offsetMinutes(zone, Date.UTC(YEAR, 0, 1 + n, 12)) * 60000;
  for (let n = 1; dayDate(n).startsWith(String(YEAR)); ++n) {
    const before = offsetMinutes(zone, noon(n - 1));
    const after = offsetMinutes(zone, noon(n));
    if (before !== after) addDate(dayDate(n), `UTC offset change in ${zone} (${before} -> ${after} min)`);
  }
}
const DATES = [...why.keys()].sort();

// ---- times
const stamp = (t) => {
  if (!(t instanceof Date) || Number.isNaN(t.getTime())) return 'NaN';
  return new Date(Math.round(t.getTime() / 1000) * 1000).toISOString().replace('.000Z', 'Z');
};
const sameInstant = (a, b) => Math.abs(a.getTime() - b.getTime()) < 1;

function params(method, madhab, anglesOnly) {
  const p = adhan.CalculationMethod[method]();
  p.madhab = madhab;
  p.rounding = adhan.Rounding.None;
  if (anglesOnly) for (const k of PRAYERS) p.methodAdjustments[k] = 0;
  return p;
}

// Which rule gave Fajr and Isha: 'angle' (the twilight angle itself), 'interval' (Isha a fixed
// number of minutes after Maghrib), 'middle' (adhan's bound of the night for the method's high
// latitude rule, MiddleOfTheNight for every method here), 'seventh' (the Moonsighting
// Committee's seventh of the night at 55 degrees and above), 'season' (the Moonsighting
// Committee's seasonal bound).
function rulesUsed(place, dateObj, method, raw) {
  const [, lat, lon] = place;
  const coords = new adhan.Coordinates(lat, lon);
  const solar = new SolarTime(dateObj, coords);
  const at = (hours) => new TimeComponents(hours).utcDate(dateObj.getFullYear(), dateObj.getMonth(), dateObj.getDate());
  const p = adhan.CalculationMethod[method]();
  const angleFajr = at(solar.hourAngle(-p.fajrAngle, false));
  const angleIsha = at(solar.hourAngle(-p.ishaAngle, true));
  const tomorrow = new adhan.PrayerTimes(coords, new Date(dateObj.getFullYear(), dateObj.getMonth(), dateObj.getDate() + 1), params(method, adhan.Madhab.Shafi, true));
  const night = tomorrow.sunrise.getTime() - raw.sunset.getTime();
  const mc = method === 'MoonsightingCommittee';
  const fajrSeventh = new Date(raw.sunrise.getTime() - night / 7);
  const ishaSeventh = new Date(raw.sunset.getTime() + night / 7);
  let fajrBy;
  if (!Number.isNaN(angleFajr.getTime()) && sameInstant(raw.fajr, angleFajr) && !(mc && lat >= 55)) fajrBy = 'angle';
  else if (mc) fajrBy = lat >= 55 && Math.abs(raw.fajr.getTime() - fajrSeventh.getTime()) < 1000 ? 'seventh' : 'season';
  else fajrBy = 'middle';
  let ishaBy;
  if (p.ishaInterval > 0) ishaBy = 'interval';
  else if (!Number.isNaN(angleIsha.getTime()) && sameInstant(raw.isha, angleIsha) && !(mc && lat >= 55)) ishaBy = 'angle';
  else if (mc) ishaBy = lat >= 55 && Math.abs(raw.isha.getTime() - ishaSeventh.getTime()) < 1000 ? 'seventh' : 'season';
  else ishaBy = 'middle';
  return [fajrBy, ishaBy];
}

const header = ['place', 'lat', 'lon', 'zone', 'date', 'method', 'madhab', ...PRAYERS, 'fajr_by', 'isha_by'];
const files = { adjusted: [header.join('\t')], angles: [header.join('\t')] };
let sameOtherTimes = true;
for (const place of PLACES) {
  const [name, lat, lon, , zone] = place;
  const coords = new adhan.Coordinates(lat, lon);
  for (const date of DATES) {
    const [y, m, d] = date.split('-').map(Number);
    const dateObj = new Date(y, m - 1, d);
    for (const method of METHODS) {
      const raw = new adhan.PrayerTimes(coords, dateObj, params(method, adhan.Madhab.Shafi, true));
      const [fajrBy, ishaBy] = rulesUsed(place, dateObj, method, raw);
      for (const [variant, anglesOnly] of [['adjusted', false], ['angles', true]]) {
        const shafi = new adhan.PrayerTimes(coords, dateObj, params(method, adhan.Madhab.Shafi, anglesOnly));
        for (const [madhabName, madhab] of MADHABS) {
          const t = new adhan.PrayerTimes(coords, dateObj, params(method, madhab, anglesOnly));
          for (const k of PRAYERS) if (k !== 'asr' && stamp(t[k]) !== stamp(shafi[k])) sameOtherTimes = false;
          files[variant].push([name, lat, lon, zone, date, method, madhabName, ...PRAYERS.map((k) => stamp(t[k])), fajrBy, ishaBy].join('\t'));
        }
      }
    }
  }
}
if (!sameOtherTimes) throw new Error('the madhab changed a time other than Asr');

const write = (file, text) => fs.writeFileSync(path.join(outDir, file), text);
const gz = (lines) => zlib.gzipSync(Buffer.from(lines.join('\n') + '\n'), { level: 9, mtime: 0 });
write('adhan_times.tsv.gz', gz(files.adjusted));
write('adhan_times_angles.tsv.gz', gz(files.angles));
write('adhan_places.tsv', ['place\tlat\tlon\televation_m\tzone', ...PLACES.map((p) => p.join('\t'))].join('\n') + '\n');
write('adhan_dates.txt', DATES.map((d) => `${d}\t${why.get(d).join('; ')}`).join('\n') + '\n');

const mhead = ['method', 'variant', 'fajrAngle', 'ishaAngle', 'ishaInterval', 'maghribAngle',
  ...PRAYERS.map((k) => `adj_${k}`), 'highLatitudeRule', 'polarCircleResolution', 'shafaq', 'rounding'];
const mrows = [mhead.join('\t')];
for (const method of METHODS) {
  for (const [variant, anglesOnly] of [['adjusted', false], ['angles', true]]) {
    const p = params(method, adhan.Madhab.Shafi, anglesOnly);
    mrows.push([method, variant, p.fajrAngle, p.ishaAngle, p.ishaInterval, p.maghribAngle,
      ...PRAYERS.map((k) => p.methodAdjustments[k] + p.adjustments[k]), p.highLatitudeRule,
      p.polarCircleResolution, p.shafaq, p.rounding].join('\t'));
  }
}
write('adhan_methods.tsv', mrows.join('\n') + '\n');
console.log(`adhan ${pkg.version}, node ${process.version}, tz data ${process.versions.tz}`);
console.log(`${PLACES.length} places, ${DATES.length} dates, ${METHODS.length} methods, ${files.adjusted.length - 1} rows per variant`);
