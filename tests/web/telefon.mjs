// The page on a phone, offline and in two tabs. Each case gets a browser context of its own:
// storage, service workers and the one-game lock belong to it.
import assert from 'node:assert/strict';
import {execFileSync} from 'node:child_process';
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import {Gra, serwer} from './strona.mjs';

const POZIOMO = {width: 844, height: 390, hasTouch: true, isMobile: true};
const PIONOWO = {width: 390, height: 844, hasTouch: true, isMobile: true};
const WEB = new URL('../../src/terminal/web/', import.meta.url).pathname;

async function otworz(kontekst, adres, bledy, ekran) {
    const g = new Gra(await kontekst.newPage());
    g.bledy = bledy;
    if (ekran) await g.karta.setViewport(ekran);
    await g.otworz(adres);
    return g;
}

async function stuknij(g, klawisz, razy = 1) {
    for (let i = 0; i < razy; ++i) {
        await g.karta.tap(`#dotyk button[data-klawisz="${klawisz}"]`);
        await g.spokoj();
    }
}

const kolejka = async (g) => (await g.wiersze())[1].match(/KOLEJKA LIGOWA: \d+/)?.[0];

// The grid's font, whether the turn prompt shows, and the controls that are outside the window,
// smaller than a fingertip or covered by something else.
function uklad() {
    const widoczne = (e) => e.getClientRects().length > 0;
    const zle = [...document.querySelectorAll('button, #ekran, #obroc')].filter(widoczne).filter((e) => {
        const r = e.getBoundingClientRect();
        const srodek = document.elementFromPoint((r.left + r.right) / 2, (r.top + r.bottom) / 2);
        return r.left < 0 || r.top < 0 || r.right > innerWidth || r.bottom > innerHeight ||
            (e.tagName === 'BUTTON' && (r.width < 44 || r.height < 44)) || !e.contains(srodek);
    });
    return {pismo: parseFloat(getComputedStyle(document.getElementById('ekran')).fontSize),
        obroc: widoczne(document.getElementById('obroc')), zle: zle.map((e) => e.id || e.textContent)};
}

async function przesun_palcem(g, o_ile) {
    const r = await g.karta.$eval('#ekran', (e) => e.getBoundingClientRect().toJSON());
    const x = r.left + r.width / 2;
    const y = r.top + r.height / 2 - o_ile / 2;
    await g.karta.touchscreen.touchStart(x, y);
    for (let i = 1; i <= 10; ++i) await g.karta.touchscreen.touchMove(x, y + (o_ile * i) / 10);
    await g.karta.touchscreen.touchEnd();
    await g.spokoj();
}

export const przypadki = [
    ['a phone held either way: large text or the turn prompt, every control in reach', async (k, adres, bledy) => {
        const pion = await otworz(k, adres, bledy, PIONOWO);
        const u = await pion.karta.evaluate(uklad);
        assert.deepEqual([u.obroc, u.zle], [true, []]);
        await stuknij(pion, 'ArrowDown');
        assert.equal(await pion.wpis(), 1);
        await pion.karta.close();
        const poziom = await otworz(k, adres, bledy, POZIOMO);
        const v = await poziom.karta.evaluate(uklad);
        assert.ok(v.pismo >= 11, `pismo ${v.pismo}px`);
        assert.deepEqual([v.obroc, v.zle], [false, []]);
    }],
    ['a match day played by taps alone, the market read with PgUp, PgDn and a swipe', async (k, adres, bledy) => {
        const g = await otworz(k, adres, bledy, POZIOMO);
        for (let i = 0; i < 80 && (await kolejka(g)) !== 'KOLEJKA LIGOWA: 2'; ++i) await stuknij(g, ' ');
        assert.equal(await kolejka(g), 'KOLEJKA LIGOWA: 2');
        // The start-up files with a scout as the save: his three extra offers make the market 40 rows.
        await g.karta.evaluate(() => {
            const FS = Module.FS;
            FS.writeFile('/save/druzyny.txt', FS.readFile('/druzyny-1995.txt'));
            FS.writeFile('/save/gracze.txt', FS.readFile('/gracze.txt'));
            FS.writeFile('/save/stadion.txt', new TextDecoder().decode(FS.readFile('/stadion.txt')).replace(/\d+\s*$/, '3\n'));
        });
        await stuknij(g, 'ArrowUp', 2);
        await stuknij(g, ' ');
        await stuknij(g, 't');
        await stuknij(g, 'ArrowDown', 4);
        await stuknij(g, ' ', 4);
        const na_dole = await g.wiersze();
        assert.doesNotMatch(na_dole[25], /PRZEWINIETE/);
        await stuknij(g, 'PageUp');
        assert.match((await g.wiersze())[25], /^PRZEWINIETE: wiersze 1-25 /);
        await stuknij(g, 'PageDown');
        assert.deepEqual(await g.wiersze(), na_dole);
        await przesun_palcem(g, 250);
        assert.match((await g.wiersze())[25], /^PRZEWINIETE: wiersze /);
        await przesun_palcem(g, -250);
        assert.deepEqual(await g.wiersze(), na_dole);
    }],
    ['offline after one visit: the menu and the saved game', async (k, adres, bledy) => {
        const g = await otworz(k, adres, bledy);
        for (let i = 0; i < 80 && (await kolejka(g)) !== 'KOLEJKA LIGOWA: 2'; ++i) await g.nacisnij('Space');
        await g.do_wpisu(7);
        await g.nacisnij('Space', 't');
        await g.karta.evaluate(() => navigator.serviceWorker.ready.then(() => true));
        await g.karta.setOfflineMode(true);
        await g.przeladuj();
        assert.equal(await kolejka(g), 'KOLEJKA LIGOWA: 1');
        await g.do_wpisu(8);
        await g.nacisnij('Space', 't');
        assert.equal(await kolejka(g), 'KOLEJKA LIGOWA: 2');
    }],
    ['a new build replaces the cache on the next visit, never mixed with the old', async (k, _, bledy, strona) => {
        const kopia = fs.mkdtempSync(path.join(os.tmpdir(), 'bramkowiec-web-kopia-'));
        fs.cpSync(strona, kopia, {recursive: true});
        const s = await serwer(kopia);
        const css = (g) => g.karta.evaluate(() => fetch('strona.css').then((r) => r.text()));
        try {
            let g = await otworz(k, s.adres, bledy);
            await g.karta.evaluate(() => navigator.serviceWorker.ready.then(() => true));
            const stary = await g.karta.evaluate(() => caches.keys());
            await g.karta.close();
            const arkusz = path.join(kopia, 'strona.css');
            fs.appendFileSync(arkusz, '.nowa-wersja {}\n');
            // The server dates files in whole seconds: a change within the second of the copy would
            // look unchanged to the worker's revalidation, as no real new build does.
            const pozniej = new Date(Date.now() + 2000);
            fs.utimesSync(arkusz, pozniej, pozniej);
            execFileSync('python3', [WEB + 'pamiec_strony.py', WEB + 'strona/sw.js', kopia]);
            g = await otworz(k, s.adres, bledy);
            assert.doesNotMatch(await css(g), /nowa-wersja/);
            // The new worker installs beside the old one and waits for this page to close.
            assert.ok(await g.karta.evaluate(async () => {
                const r = await navigator.serviceWorker.getRegistration();
                await r.update();
                const w = r.installing;
                if (w) await new Promise((gotowe) => w.addEventListener('statechange', () => w.state !== 'installing' && gotowe()));
                return r.waiting !== null;
            }));
            await g.karta.close();
            // The closed page's worker lets the new one take over in its own time: a page that
            // bypasses the workers (so holds neither back) waits for that before the next visit.
            const obok = await k.newPage();
            await obok.setBypassServiceWorker(true);
            await obok.goto(s.adres, {waitUntil: 'load'});
            assert.ok(await obok.evaluate(async () => {
                const r = await navigator.serviceWorker.getRegistration();
                const w = r.waiting ?? r.active;
                if (w.state !== 'activated') await new Promise((gotowe) => w.addEventListener('statechange', () => w.state === 'activated' && gotowe()));
                return navigator.serviceWorker.controller === null;
            }));
            await obok.close();
            g = await otworz(k, s.adres, bledy);
            assert.match(await css(g), /nowa-wersja/);
            const nowe = await g.karta.evaluate(() => caches.keys());
            assert.equal(nowe.length, 1);
            assert.notDeepEqual(nowe, stary);
        } finally {
            s.zamknij();
            fs.rmSync(kopia, {recursive: true, force: true});
        }
    }],
    ['a second tab is refused while the first plays, and takes over when it closes', async (k, adres, bledy) => {
        const pierwsza = await otworz(k, adres, bledy);
        const druga = new Gra(await k.newPage());
        await druga.karta.goto(adres, {waitUntil: 'load'});
        await druga.karta.waitForSelector('#zajeta:not([hidden])');
        assert.equal(await druga.karta.$eval('#zajeta p', (p) => p.textContent), 'Gra jest juz otwarta w innej karcie');
        for (const klawisz of ['ArrowDown', 'Space', 't']) await druga.karta.keyboard.press(klawisz);
        assert.deepEqual(await druga.karta.evaluate(() => [bramkowiec.zdarzenia.length, document.querySelectorAll('#ekran div').length]), [0, 0]);
        await pierwsza.nacisnij('ArrowDown');
        assert.equal(await pierwsza.wpis(), 1);
        await pierwsza.karta.close();
        await druga.karta.click('#przejmij');
        await druga.spokoj();
        assert.equal(await druga.wpis(), 0);
    }],
];
