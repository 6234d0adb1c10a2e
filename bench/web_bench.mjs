// The browser build in headless chromium: node web_bench.mjs SITE_DIR. Prints the site's gzipped
// size, navigation to the first menu and a key to the updated grid; exits 1 when a goal is missed.
import fs from 'node:fs';
import http from 'node:http';
import path from 'node:path';
import zlib from 'node:zlib';
import {Gra, brakuje, przegladarka, serwer, sieci} from '../tests/web/strona.mjs';

const POWTORZEN = 10;
const KLAWISZY = 40;
const strona = process.argv[2];
const powod = brakuje(strona);
if (powod) {
    console.log('web: pominiete: ' + powod);
    process.exit(0);
}

const TELEFON_SIEC = 'Slow 4G';
const TELEFON_CPU = 4;
const WIZYT = 5;

// The site gzipped, as a web host sends it (the tests' server sends the files as they are).
function serwer_gzip(strona) {
    const TYPY = {'.html': 'text/html', '.js': 'text/javascript', '.css': 'text/css', '.wasm': 'application/wasm',
        '.png': 'image/png', '.webmanifest': 'application/manifest+json'};
    const pliki = new Map(fs.readdirSync(strona).map((p) => [p, zlib.gzipSync(fs.readFileSync(path.join(strona, p)), {level: 9})]));
    const s = http.createServer((zadanie, odpowiedz) => {
        const nazwa = new URL(zadanie.url, 'http://x').pathname.slice(1) || 'index.html';
        if (!pliki.has(nazwa)) return odpowiedz.writeHead(404).end();
        odpowiedz.writeHead(200, {'Content-Type': TYPY[path.extname(nazwa)], 'Content-Encoding': 'gzip'});
        odpowiedz.end(pliki.get(nazwa));
    });
    return new Promise((gotowy) => s.listen(0, '127.0.0.1', () =>
        gotowy({adres: `http://127.0.0.1:${s.address().port}/`, zamknij: () => s.close()})));
}

// The first menu on a slow phone: a first visit over the emulated network, then a visit served
// by the service worker the first one installed.
async function na_telefonie(b, adres) {
    const siec = (await sieci())[TELEFON_SIEC];
    const wynik = {zimny: [], powtorny: []};
    const wizyta = async (kontekst) => {
        const g = new Gra(await kontekst.newPage());
        await g.karta.emulateCPUThrottling(TELEFON_CPU);
        await g.karta.emulateNetworkConditions(siec);
        await g.otworz(adres);
        return g;
    };
    for (let i = 0; i < WIZYT; ++i) {
        const kontekst = await b.createBrowserContext();
        let g = await wizyta(kontekst);
        wynik.zimny.push(await g.karta.evaluate(() => bramkowiec.pierwszyObraz));
        await g.karta.evaluate(() => navigator.serviceWorker.ready.then((r) => new Promise((gotowe) => {
            const w = r.active;
            if (w.state === 'activated') gotowe(true);
            w.addEventListener('statechange', () => w.state === 'activated' && gotowe(true));
        })));
        // A visit on another day finds the worker stopped: it starts within the time measured.
        const cdp = await g.karta.createCDPSession();
        await cdp.send('ServiceWorker.enable');
        await cdp.send('ServiceWorker.stopAllWorkers');
        await g.karta.close();
        g = await wizyta(kontekst);
        wynik.powtorny.push(await g.karta.evaluate(() => bramkowiec.pierwszyObraz));
        await kontekst.close();
    }
    return wynik;
}

const mediana = (t) => {
    const s = [...t].sort((a, b) => a - b);
    return s.length % 2 ? s[(s.length - 1) / 2] : (s[s.length / 2 - 1] + s[s.length / 2]) / 2;
};

const bajty = fs.readdirSync(strona).reduce((suma, p) =>
    suma + zlib.gzipSync(fs.readFileSync(path.join(strona, p)), {level: 9}).length, 0);
const s = await serwer(strona);
const p = await przegladarka();
const start = [];
const klawisz = [];
let zimny;
let powtorny;
let zimny_gzip;
try {
    for (let i = 0; i < POWTORZEN; ++i) {
        // A fresh context each time: nothing cached, as on a first visit.
        const kontekst = await p.b.createBrowserContext();
        const g = new Gra(await kontekst.newPage());
        await g.otworz(s.adres);
        start.push(await g.karta.evaluate(() => bramkowiec.pierwszyObraz));
        await g.karta.evaluate(() => { bramkowiec.pomiary.length = 0; });
        for (let k = 0; k < KLAWISZY; ++k) await g.nacisnij(k % 2 ? 'ArrowUp' : 'ArrowDown');
        klawisz.push(...await g.karta.evaluate(() => bramkowiec.pomiary));
        await kontekst.close();
    }
    ({zimny, powtorny} = await na_telefonie(p.b, s.adres));
    const g = await serwer_gzip(strona);
    zimny_gzip = (await na_telefonie(p.b, g.adres)).zimny;
    g.zamknij();
} finally {
    await p.zamknij();
    s.zamknij();
}

const wiersze = [
    ['strona (gzip)', `${(bajty / 1024).toFixed(1)} KB`, bajty < 400 * 1024, 'pod 400 KB'],
    ['wejscie do pierwszego menu', `${mediana(start).toFixed(0)} ms mediana, ${Math.max(...start).toFixed(0)} ms max`,
        mediana(start) <= 1000, 'do 1 s'],
    ['klawisz do nowej siatki', `${mediana(klawisz).toFixed(2)} ms mediana, ${Math.max(...klawisz).toFixed(2)} ms max`,
        mediana(klawisz) <= 16, 'do 16 ms (mediana)'],
    ['telefon, 1. wizyta', `${mediana(zimny).toFixed(0)} ms mediana, ${Math.max(...zimny).toFixed(0)} ms max`,
        mediana(zimny) <= 1000, 'do 1 s'],
    ['telefon, 1. wizyta, gzip', `${mediana(zimny_gzip).toFixed(0)} ms mediana, ${Math.max(...zimny_gzip).toFixed(0)} ms max`,
        mediana(zimny_gzip) <= 1000, 'do 1 s'],
    ['telefon, z pamieci strony', `${mediana(powtorny).toFixed(0)} ms mediana, ${Math.max(...powtorny).toFixed(0)} ms max`,
        mediana(powtorny) <= 300, 'do 300 ms'],
];
console.log('\nprzegladarka (headless chromium, serwer lokalny; telefon: procesor ' +
    `${TELEFON_CPU}x wolniej, siec "${TELEFON_SIEC}")`);
for (const [co, ile, ok, cel] of wiersze) console.log(`${co.padEnd(28)} ${ile.padEnd(32)} ${cel}${ok ? '' : '  CHYBIONE'}`);
process.exit(wiersze.every((w) => w[2]) ? 0 : 1);
