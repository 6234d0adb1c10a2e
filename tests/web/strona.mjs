// The built site served on 127.0.0.1 and driven in the system's chromium: shared by the
// browser test and the benchmark.
import {spawn} from 'node:child_process';
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';

export const CHROMIUM = '/usr/bin/chromium';
const PIERWSZY_PORT = 8615;
const FLAGI = ['--no-sandbox', '--disable-gpu', '--no-first-run', '--disable-background-networking',
    '--disable-component-update', '--disable-sync'];

// Why the site cannot be driven here, or null.
export function brakuje(strona) {
    if (!fs.existsSync(path.join(strona, 'bramkowiec.wasm'))) return `brak strony w ${strona} (make web)`;
    if (!fs.existsSync(CHROMIUM)) return `brak ${CHROMIUM}`;
    if (!fs.existsSync(new URL('./node_modules/puppeteer-core', import.meta.url))) {
        return 'brak puppeteer-core (scripts/setup uruchamia npm ci)';
    }
    return null;
}

async function odpowiada(adres) {
    try {
        return (await fetch(adres)).ok;
    } catch {
        return false;
    }
}

// One server for the whole run: IndexedDB belongs to the origin, so the port must not change
// between a save and the reload that reads it. A port taken by someone else is skipped: the
// server says it serves only once it holds the port, so another's answer there is not taken.
export async function serwer(strona) {
    for (let port = PIERWSZY_PORT; port < PIERWSZY_PORT + 20; ++port) {
        const proces = spawn('python3', ['-u', '-m', 'http.server', String(port), '--bind', '127.0.0.1',
            '-d', strona], {stdio: ['ignore', 'pipe', 'ignore']});
        let zakonczony = false;
        let nasz = false;
        proces.on('exit', () => { zakonczony = true; });
        proces.stdout.on('data', (d) => { nasz ||= d.includes('Serving HTTP'); });
        const adres = `http://127.0.0.1:${port}/`;
        for (let i = 0; i < 100 && !zakonczony; ++i) {
            if (nasz && await odpowiada(adres + 'index.html')) return {adres, zamknij: () => proces.kill()};
            await new Promise((r) => setTimeout(r, 50));
        }
        proces.kill();
    }
    throw new Error('nie mozna uruchomic serwera na 127.0.0.1');
}

// A browser with a profile of its own, removed with it.
export async function przegladarka() {
    const {default: puppeteer} = await import('puppeteer-core');
    const profil = fs.mkdtempSync(path.join(os.tmpdir(), 'bramkowiec-web-'));
    const b = await puppeteer.launch({executablePath: CHROMIUM, headless: true, userDataDir: profil,
        args: FLAGI});
    return {
        b,
        async zamknij() {
            await b.close();
            fs.rmSync(profil, {recursive: true, force: true});
        },
    };
}

// Puppeteer's emulated networks by name ('Slow 4G', ...), for callers outside this folder.
export async function sieci() {
    return (await import('puppeteer-core')).PredefinedNetworkConditions;
}

// The game in one tab: keys in, rows of the grid out.
export class Gra {
    constructor(karta) {
        this.karta = karta;
        this.bledy = [];
        karta.on('console', (m) => { if (m.type() === 'error') this.bledy.push(m.text()); });
        karta.on('pageerror', (e) => this.bledy.push(String(e)));
        karta.on('requestfailed', (r) => this.bledy.push('nie pobrano ' + r.url()));
        // The site is whole in itself: nothing may come from anywhere but the local server.
        karta.on('request', (r) => {
            if (!/^(http:\/\/127\.0\.0\.1:\d+\/|data:|blob:)/.test(r.url())) this.bledy.push('obcy adres ' + r.url());
        });
    }

    async otworz(adres) {
        await this.karta.goto(adres, {waitUntil: 'load'});
        await this.spokoj();
    }

    async przeladuj() {
        await this.karta.reload({waitUntil: 'load'});
        await this.spokoj();
    }

    spokoj() {
        return this.karta.waitForFunction(() => typeof bramkowiec !== 'undefined' && bramkowiec.bezczynna,
            {timeout: 15000, polling: 5});
    }

    async nacisnij(...klawisze) {
        for (const k of klawisze) {
            await this.karta.keyboard.press(k);
            await this.spokoj();
        }
    }

    wiersze() {
        return this.karta.$$eval('#ekran div', (w) => w.map((d) => d.textContent));
    }

    async tekst() {
        return (await this.wiersze()).map((w) => w.trimEnd()).join('\n');
    }

    // The menu entry beside the marker "<--", or -1 when the menu is not up.
    async wpis() {
        const w = await this.wiersze();
        if (!w[3].startsWith('NASTEPNY MECZ')) return -1;
        return w.slice(3, 13).findIndex((x) => x.slice(14, 17) === '<--');
    }

    async do_wpisu(n) {
        const teraz = await this.wpis();
        const ruch = n - teraz;
        for (let i = 0; i < Math.abs(ruch); ++i) await this.nacisnij(ruch > 0 ? 'ArrowDown' : 'ArrowUp');
    }
}
