// The browser build end to end in headless chromium: node przegladarka.mjs SITE_DIR OUT_DIR.
// Prints "N passed, N failed"; exits 77 (skipped) when the site, chromium or puppeteer is missing.
import assert from 'node:assert/strict';
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import {Gra, brakuje, przegladarka, serwer} from './strona.mjs';
import * as telefon from './telefon.mjs';

const [strona, wyniki] = process.argv.slice(2);
const powod = brakuje(strona);
if (powod) {
    console.log('pominiete: ' + powod);
    process.exit(77);
}
const DANE = new URL('../../data/', import.meta.url).pathname;
const SKLAD = 1;
const KUPNO = 2;
const SPRZEDARZ = 3;
const BANK = 6;
const TABELA = 4;
const ZAPIS = 7;
const ODCZYT = 8;

async function kasa(g) {
    await g.do_wpisu(BANK);
    await g.nacisnij('Space');
    const wiersz = (await g.wiersze()).find((w) => w.startsWith(' Kasa :'));
    await g.nacisnij('Space');
    return wiersz;
}

async function kolejka(g) {
    return (await g.wiersze())[1].match(/KOLEJKA LIGOWA: \d+/)?.[0] ?? '';
}

async function pobrane(karta, katalog) {
    const cdp = await karta.createCDPSession();
    await cdp.send('Browser.setDownloadBehavior', {behavior: 'allow', downloadPath: katalog});
    const nazwy = await karta.evaluate(() => PLIKI_ZAPISU);
    await karta.click('#pobierz');
    for (let i = 0; i < 100 && !nazwy.every((n) => fs.existsSync(path.join(katalog, n))); ++i) {
        await new Promise((r) => setTimeout(r, 50));
    }
    return nazwy.map((n) => path.join(katalog, n));
}

// The start-up files under the save's names, the stadium's last word (the scout) changed.
function zapis_startowy(katalog, lowca) {
    fs.mkdirSync(katalog);
    fs.copyFileSync(path.join(DANE, 'druzyny-1995.txt'), path.join(katalog, 'druzyny.txt'));
    fs.copyFileSync(path.join(DANE, 'gracze.txt'), path.join(katalog, 'gracze.txt'));
    const stadion = fs.readFileSync(path.join(DANE, 'stadion.txt'), 'utf8').trim().split(/\s+/);
    if (lowca !== undefined) stadion[stadion.length - 1] = String(lowca);
    fs.writeFileSync(path.join(katalog, 'stadion.txt'), stadion.join('\n') + '\n');
    return ['druzyny.txt', 'gracze.txt', 'stadion.txt'].map((n) => path.join(katalog, n));
}

const AXE = fs.readFileSync(new URL('./node_modules/axe-core/axe.min.js', import.meta.url), 'utf8');

// axe-core's violations on the page as it stands, one "rule: elements" line each.
async function naruszenia(g) {
    if (!(await g.karta.evaluate(() => typeof axe !== 'undefined'))) await g.karta.addScriptTag({content: AXE});
    // The grid keeps the console's colours for sighted players (a few pairs, like green on red,
    // are below WCAG's contrast); the same text is in the log. Contrast is checked elsewhere.
    return g.karta.evaluate(async () => {
        const wszystko = await axe.run(document, {rules: {'color-contrast': {enabled: false}}});
        const kontrast = await axe.run({exclude: [['#ekran']]}, {runOnly: ['color-contrast']});
        return [...wszystko.violations, ...kontrast.violations].map(
            (v) => v.id + ': ' + v.nodes.map((n) => n.target.join(' ')).join(', '));
    });
}

// The live region's lines as chromium's accessibility tree gives them to a screen reader.
async function dziennik(g) {
    const drzewo = await g.karta.accessibility.snapshot({root: await g.karta.$('#czytnik')});
    const nazwy = [];
    const zbierz = (w) => {
        if (w.role !== 'log' && w.name) nazwy.push(w.name);
        for (const d of w.children ?? []) zbierz(d);
    };
    zbierz(drzewo ?? {});
    return nazwy;
}

async function komunikat(g) {
    await g.karta.waitForFunction(() => document.getElementById('komunikat').textContent !== '');
    return g.karta.$eval('#komunikat', (k) => {
        const t = k.textContent;
        k.textContent = '';
        return t;
    });
}

const stan = {};
const przypadki = [
    ['menu with the club name in its colours', async (g) => {
        assert.equal(await g.wpis(), 0);
        const nazwa = await g.karta.$eval('#ekran div span', (s) => {
            const c = getComputedStyle(s);
            return [s.textContent.trim(), c.color, c.backgroundColor];
        });
        assert.match(nazwa[0], /[A-Za-z]{3}/);
        assert.deepEqual(nazwa.slice(1), ['rgb(0, 170, 0)', 'rgb(170, 0, 0)']);
        assert.equal(await g.karta.$eval('#dotyk', (d) => d.hidden), true, 'touch buttons on a desktop');
        await g.karta.screenshot({path: path.join(wyniki, 'web-menu.png')});
    }],
    ['Down moves the marker one entry', async (g) => {
        await g.nacisnij('ArrowDown');
        assert.equal(await g.wpis(), 1);
        await g.nacisnij('ArrowUp');
        assert.equal(await g.wpis(), 0);
    }],
    ['the live region says the menu with F2, a move as one line, F2 the whole screen again', async (g) => {
        const przed = (await dziennik(g)).length;
        await g.nacisnij('F2');
        const menu = (await dziennik(g)).slice(przed);
        assert.ok(menu.includes('NASTEPNY MECZ <--'), menu.join('\n'));
        assert.match(menu.at(-1), /^Klawisze: gora\/dol: wybor, .*, F2: powtorz ekran$/);
        await g.nacisnij('ArrowDown');
        assert.deepEqual((await dziennik(g)).slice(przed + menu.length), ['SKLAD <--']);
        await g.nacisnij('F2');
        const powtorzone = (await dziennik(g)).slice(przed + menu.length + 1);
        assert.deepEqual([powtorzone.length, powtorzone.includes('SKLAD <--')], [menu.length, true]);
        assert.equal(await g.wpis(), 1, 'F2 reached the game');
        await g.nacisnij('ArrowUp');
    }],
    ['Tab reaches the game area and the buttons, the arrows still play', async (g) => {
        const skupiony = () => g.karta.evaluate(() => document.activeElement.id);
        await g.karta.keyboard.press('Tab');
        assert.equal(await skupiony(), 'gra');
        await g.karta.keyboard.press('Tab');
        assert.equal(await skupiony(), 'pobierz');
        await g.nacisnij('ArrowDown');
        assert.equal(await g.wpis(), 1);
        await g.nacisnij('ArrowUp');
        await g.karta.evaluate(() => document.activeElement.blur());
    }],
    ['F1 shows the help; the key that closes it does not reach the game', async (g) => {
        await g.nacisnij('ArrowDown', 'F1');
        assert.match((await g.wiersze())[0], /^MENU GLOWNE/);
        assert.match(await g.tekst(), /Dowolny klawisz zamyka pomoc/);
        await g.nacisnij('ArrowDown');
        assert.equal(await g.wpis(), 1);
        await g.nacisnij('ArrowUp');
    }],
    ['space opens the squad screen and space leaves it', async (g) => {
        await g.do_wpisu(SKLAD);
        await g.nacisnij('Space');
        assert.match(await g.tekst(), /imie {7}umie/);
        await g.karta.screenshot({path: path.join(wyniki, 'web-sklad.png')});
        // The second goalkeeper makes 12: space stays and says why.
        await g.nacisnij('ArrowDown', 'ArrowLeft', 'Space');
        assert.match((await g.wiersze())[25], /^Wybrano 12 zawodnikow, najwyzej 11/);
        await g.nacisnij('ArrowLeft', 'ArrowUp', 'Space');
        assert.equal(await g.wpis(), SKLAD);
    }],
    ['fifty keys sent at once are all delivered', async (g) => {
        const przed = await g.wpis();
        // 43 downs among them: the marker ends 3 entries on, and a lost key would show.
        await g.karta.evaluate(() => {
            for (let i = 0; i < 50; ++i) {
                const key = i % 7 === 6 ? 'x' : 'ArrowDown';
                document.dispatchEvent(new KeyboardEvent('keydown', {key, bubbles: true}));
            }
        });
        await g.spokoj();
        assert.equal(await g.wpis(), (przed + 43) % 10);
    }],
    ['a whole match day is played', async (g) => {
        await g.do_wpisu(0);
        for (let i = 0; i < 80 && (await kolejka(g)) !== 'KOLEJKA LIGOWA: 2'; ++i) {
            await g.nacisnij('Space');
        }
        assert.equal(await kolejka(g), 'KOLEJKA LIGOWA: 2');
        assert.equal(await g.wpis(), 0);
    }],
    ['ZAPIS, a reload and ODCZYT restore the round and the cash', async (g) => {
        const przed = [await kolejka(g), await kasa(g)];
        await g.do_wpisu(ZAPIS);
        await g.nacisnij('Space', 't');
        assert.match(await g.karta.$eval('#stan', (s) => s.textContent), /^Gra zapisana w pamieci przegladarki$/);
        await g.przeladuj();
        assert.equal(await kolejka(g), 'KOLEJKA LIGOWA: 1');
        await g.do_wpisu(ODCZYT);
        await g.nacisnij('Space', 't');
        assert.match((await g.wiersze())[25], /^Gra wczytana: sezon 1995\/1996, kolejka 2 /);
        assert.deepEqual([await kolejka(g), await kasa(g)], przed);
    }],
    ['a failed flush shows the game\'s failure message, not the save', async (g) => {
        await g.karta.evaluate(() => {
            const FS = Module.FS;
            FS.prawdziwy_syncfs = FS.syncfs;
            FS.syncfs = (wczytaj, gotowe) => gotowe(new Error('test: brak miejsca'));
        });
        await g.do_wpisu(ZAPIS);
        await g.nacisnij('Space', 't');
        const tekst = await g.tekst();
        await g.karta.evaluate(() => { Module.FS.syncfs = Module.FS.prawdziwy_syncfs; });
        assert.match(tekst, /Gra NIE zostala zapisana!/);
        assert.doesNotMatch(tekst, /Zapisalem/);
        await g.nacisnij('Space');
        assert.equal(await g.wpis(), ZAPIS);
    }],
    ['a sale pauses half a second and keeps a key pressed meanwhile', async (g) => {
        await g.do_wpisu(SPRZEDARZ);
        await g.nacisnij('Space');
        const poczatek = Date.now();
        await g.karta.keyboard.press('Enter');
        await g.karta.waitForFunction(() => document.getElementById('ekran').textContent.includes('sprzedany!'));
        await g.karta.keyboard.press('Space');
        assert.ok(await g.karta.evaluate(() => !bramkowiec.bezczynna), 'the pause ended too soon');
        await g.spokoj();
        assert.ok(Date.now() - poczatek >= 450, 'no pause');
        assert.equal(await g.wpis(), SPRZEDARZ);
    }],
    ['the save downloads as the three plain files on disk', async (g) => {
        stan.pobrane = fs.mkdtempSync(path.join(os.tmpdir(), 'bramkowiec-web-pobrane-'));
        const pliki = await pobrane(g.karta, stan.pobrane);
        for (const p of pliki) {
            const wPrzegladarce = await g.karta.evaluate((n) =>
                new TextDecoder().decode(Module.FS.readFile('/save/' + n)), path.basename(p));
            assert.equal(fs.readFileSync(p, 'utf8'), wPrzegladarce);
            assert.match(wPrzegladarce, /^[\x20-\x7e\r\n\t]+$/);
        }
    }],
    ['a damaged upload is refused and the slot kept', async (g) => {
        const zle = path.join(stan.pobrane, 'zle');
        fs.mkdirSync(zle);
        for (const n of ['druzyny.txt', 'gracze.txt']) fs.copyFileSync(path.join(stan.pobrane, n), path.join(zle, n));
        fs.writeFileSync(path.join(zle, 'stadion.txt'), 'nie liczba\n');
        const przed = await g.karta.evaluate(() => new TextDecoder().decode(Module.FS.readFile('/save/stadion.txt')));
        await (await g.karta.$('#pliki')).uploadFile(...['druzyny.txt', 'gracze.txt', 'stadion.txt'].map((n) => path.join(zle, n)));
        assert.match(await komunikat(g), /^Nie wgrano zapisu: .*stadion/);
        const po = await g.karta.evaluate(() => new TextDecoder().decode(Module.FS.readFile('/save/stadion.txt')));
        assert.equal(po, przed);
    }],
    ['an upload of the start-up files loads with ODCZYT', async (g) => {
        const pliki = zapis_startowy(path.join(stan.pobrane, 'start'));
        await (await g.karta.$('#pliki')).uploadFile(...pliki);
        assert.match(await komunikat(g), /^Wgrano zapis/);
        await g.spokoj();
        assert.equal(await kolejka(g), 'KOLEJKA LIGOWA: 2');
        await g.do_wpisu(ODCZYT);
        await g.nacisnij('Space', 't');
        assert.equal(await kolejka(g), 'KOLEJKA LIGOWA: 1');
    }],
    ['the key help stands under the grid once a key has cleared the status', async (g) => {
        assert.match((await g.wiersze())[25], /^Gra wczytana/);
        await g.nacisnij('ArrowDown', 'ArrowUp');
        const w = await g.wiersze();
        assert.equal(w.length, 26);
        assert.match(w[25], /gora\/dol: wybor/);
    }],
    ['PgUp and the wheel scroll back, a game key returns and is delivered', async (g) => {
        // A scout's three extra offers make the market 40 rows long.
        const pliki = zapis_startowy(path.join(stan.pobrane, 'lowca'), 3);
        await (await g.karta.$('#pliki')).uploadFile(...pliki);
        assert.match(await komunikat(g), /^Wgrano zapis/);
        await g.spokoj();
        await g.do_wpisu(ODCZYT);
        await g.nacisnij('Space', 't');
        await g.do_wpisu(KUPNO);
        await g.nacisnij('Space', 'Space', 'Space', 'Space');
        const na_dole = await g.wiersze();
        assert.doesNotMatch(na_dole[25], /PRZEWINIETE/);
        await g.nacisnij('PageUp');
        const w_gorze = await g.wiersze();
        assert.match(w_gorze[25], /^PRZEWINIETE: wiersze 1-25 z \d+/);
        assert.notDeepEqual(w_gorze.slice(0, 25), na_dole.slice(0, 25));
        await g.karta.hover('#ekran');
        for (let i = 0; i < 10; ++i) {
            await g.karta.mouse.wheel({deltaY: 100});
            await g.spokoj();
        }
        assert.deepEqual(await g.wiersze(), na_dole);
        await g.nacisnij('PageUp', 'Space');
        assert.equal(await g.wpis(), KUPNO);
    }],
    ['axe-core finds no violation on the menu, SKLAD, TABELA, the market and a match', async (g) => {
        const znalezione = (await naruszenia(g)).map((n) => 'menu: ' + n);
        for (const [wpis, nazwa, tytul] of [[SKLAD, 'SKLAD', /imie {7}umie/], [TABELA, 'TABELA', /TABELA 1 LIGI/],
            [KUPNO, 'KUPNO', /K U P N O/], [0, 'mecz', / vs /]]) {
            await g.do_wpisu(wpis);
            await g.nacisnij('Space');
            assert.match(await g.tekst(), tytul, nazwa + ' not opened');
            znalezione.push(...(await naruszenia(g)).map((n) => nazwa + ': ' + n));
            for (let i = 0; i < 80 && (await g.wpis()) === -1; ++i) await g.nacisnij('Space');
        }
        assert.deepEqual(znalezione, []);
    }],
    ['a line-up with no fitness left is warned of on the menu', async (g) => {
        const pliki = zapis_startowy(path.join(stan.pobrane, 'bez_sil'));
        const gracze = fs.readFileSync(pliki[1], 'utf8').replace(/^(\S+ \d+) \d+/gm, '$1 0');
        fs.writeFileSync(pliki[1], gracze);
        await (await g.karta.$('#pliki')).uploadFile(...pliki);
        assert.match(await komunikat(g), /^Wgrano zapis/);
        await g.spokoj();
        await g.do_wpisu(ODCZYT);
        await g.nacisnij('Space', 't');
        await g.nacisnij('ArrowUp');
        assert.match(await g.karta.$eval('#stan', (s) => s.textContent),
            /^Uwaga: sila linii obr:0 pom:0 at:0, bez sil: Kowalczyk, Nowak/);
    }],
    ['chromium finds the site installable', async (g) => {
        await g.karta.evaluate(() => navigator.serviceWorker.ready.then(() => true));
        const cdp = await g.karta.createCDPSession();
        assert.deepEqual((await cdp.send('Page.getInstallabilityErrors')).installabilityErrors, []);
    }],
    ['the language switch gives English from the next screen on, also after a reload', async (g) => {
        const przycisk = () => g.karta.$eval('#jezyk', (p) => p.textContent);
        assert.equal(await przycisk(), 'English');
        await g.karta.click('#jezyk');
        await g.nacisnij('ArrowDown');
        assert.match(await g.tekst(), /^NEXT MATCH\nSQUAD/m);
        assert.equal(await g.karta.$eval('#pobierz', (p) => p.textContent), 'Download save');
        await g.przeladuj();
        assert.match(await g.tekst(), /^SEASON: \d+\/\d+ LEAGUE ROUND/m);
        assert.equal(await przycisk(), 'Polski');
        await g.karta.click('#jezyk');
        await g.nacisnij('ArrowUp');
        assert.match(await g.tekst(), /^NASTEPNY MECZ/m);
    }],
];

// A phone of its own: the buttons are decided when the page loads.
async function dotyk(kontekst, adres, bledy) {
    const t = new Gra(await kontekst.newPage());
    t.bledy = bledy;
    await t.karta.setViewport({width: 390, height: 844, hasTouch: true, isMobile: true});
    await t.otworz(adres);
    assert.equal(await t.karta.$eval('#dotyk', (d) => d.hidden), false);
    await t.karta.screenshot({path: path.join(wyniki, 'web-dotyk.png')});
    const przycisk = (k) => `#dotyk button[data-klawisz="${k}"]`;
    await t.karta.tap(przycisk('ArrowDown'));
    await t.spokoj();
    assert.equal(await t.wpis(), 1);
    // "?" is F1 for a finger: the help, closed by a tap that the game does not get.
    await t.karta.tap(przycisk('F1'));
    await t.spokoj();
    assert.match((await t.wiersze())[0], /^MENU GLOWNE/);
    await t.karta.tap(przycisk(' '));
    await t.spokoj();
    assert.equal(await t.wpis(), 1);
    await t.karta.tap(przycisk(' '));
    await t.spokoj();
    assert.match(await t.tekst(), /imie {7}umie/);
    await t.karta.close();
}

// A start-up file lost from the module: the reason is on the page, not only in its console.
async function bez_pliku(kontekst, adres) {
    const t = new Gra(await kontekst.newPage());
    // The page's own Module gets one more step before the game starts: the file goes.
    await t.karta.evaluateOnNewDocument(() => {
        let modul;
        Object.defineProperty(window, 'Module', {
            configurable: true,
            get: () => modul,
            set: (m) => {
                if (modul === undefined) m.preRun.push(() => m.FS.unlink('/stadion.txt'));
                modul = m;
            },
        });
    });
    await t.karta.goto(adres, {waitUntil: 'load'});
    assert.equal(await komunikat(t), 'bramkowiec: nie mozna wczytac gry: nie mozna otworzyc ' +
        'pliku stadion.txt (brak pliku lub brak dostepu) Pliki gry sa czescia strony: ' +
        'zaladuj ja ponownie.');
    await t.karta.close();
}

fs.mkdirSync(wyniki, {recursive: true});
const s = await serwer(strona);
const p = await przegladarka();
let dobre = 0;
let zle = 0;
try {
    const g = new Gra(await p.b.newPage());
    await g.karta.setViewport({width: 1000, height: 640});
    await g.otworz(s.adres);
    for (const [nazwa, przypadek] of przypadki) {
        try {
            await przypadek(g);
            console.log('ok   ' + nazwa);
            ++dobre;
        } catch (e) {
            console.log('FAIL ' + nazwa + ': ' + e.message + '\n' + (await g.tekst()));
            ++zle;
        }
    }
    // Each in a context of its own: the game above holds the lock of the default one.
    for (const [nazwa, przypadek] of [['a touch screen gets buttons that play', dotyk],
        ['a missing start-up file is told on the page', bez_pliku], ...telefon.przypadki]) {
        try {
            const kontekst = await p.b.createBrowserContext();
            try {
                await przypadek(kontekst, s.adres, g.bledy, strona);
            } finally {
                await kontekst.close();
            }
            console.log('ok   ' + nazwa);
            ++dobre;
        } catch (e) {
            console.log('FAIL ' + nazwa + ': ' + e.message);
            ++zle;
        }
    }
    if (g.bledy.length === 0) {
        console.log('ok   the page logs no error');
        ++dobre;
    } else {
        console.log('FAIL the page logs no error:\n' + g.bledy.join('\n'));
        ++zle;
    }
} finally {
    await p.zamknij();
    s.zamknij();
    if (stan.pobrane) fs.rmSync(stan.pobrane, {recursive: true, force: true});
}
console.log(`${dobre} passed, ${zle} failed`);
process.exit(zle === 0 ? 0 : 1);
