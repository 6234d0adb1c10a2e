// The page of the browser build: draws the game's screen buffer, hands keys to the game one by
// one and keeps the saved game in IndexedDB. The game's half is src/terminal/web/most.cpp.
'use strict';

// The save slot as the game names it (src/shell/CMakeLists.txt), filled in by the build.
const KATALOG_ZAPISU = '/@KATALOG_ZAPISU@';
const PLIKI_ZAPISU = [@PLIKI_ZAPISU_JS@];

// Marks a page text for the catalogue (make po); it is translated where it is shown.
const N_ = (tekst) => tekst;

const bramkowiec = (() => {
    // The page's texts come from the game's catalogues (po/<code>.po), handed over as the game
    // starts, by language code; Polish is the texts themselves.
    const slowa = new Map();
    const jezyki = () => ['pl', ...slowa.keys()];
    // The player's language: the switch's last choice, else the first of the browser's preferred
    // ones the game speaks; chosen once the catalogues are in.
    const JEZYK = 'bramkowiec.jezyk';
    let jezyk = 'pl';
    function wybierzJezyk() {
        const znane = jezyki();
        const preferowane = (navigator.languages || [navigator.language]).map((j) => (j || '').split('-')[0].toLowerCase());
        jezyk = [localStorage.getItem(JEZYK), ...preferowane].find((j) => znane.includes(j)) || 'pl';
    }
    const _ = (tekst) => slowa.get(jezyk)?.get(tekst) || tekst;
    // The switch names the next language in that language.
    const nastepny = () => jezyki()[(jezyki().indexOf(jezyk) + 1) % jezyki().length];
    const nazwa = (kod) => (kod === 'pl' ? 'Polski' : slowa.get(kod).get(
        // TRANSLATORS: your language's own name, as the page's language switch shows it.
        N_('Jezyk polski')) || kod);
    // Each element's Polish text and label, shown in the player's language.
    const TEKSTY = [
        ['#zajeta p', null, N_('Gra jest juz otwarta w innej karcie')],
        ['#przejmij', null, N_('Przejmij gre')],
        ['#obroc', null, N_('Obroc telefon poziomo')],
        ['#ekran', 'aria-label', N_('Ekran gry')],
        ['#dotyk [data-klawisz="ArrowUp"]', 'aria-label', N_('Strzalka w gore')],
        ['#dotyk [data-klawisz="ArrowDown"]', 'aria-label', N_('Strzalka w dol')],
        ['#dotyk [data-klawisz="ArrowLeft"]', 'aria-label', N_('Strzalka w lewo')],
        ['#dotyk [data-klawisz="ArrowRight"]', 'aria-label', N_('Strzalka w prawo')],
        ['#dotyk [data-klawisz=" "]', null, N_('Spacja')],
        ['#dotyk [data-klawisz="F1"]', 'aria-label', N_('Pomoc ekranu (F1)')],
        ['#pobierz', null, N_('Pobierz zapis')],
        ['#wgraj', null, N_('Wgraj zapis')],
        ['#jezyk', null, () => nazwa(nastepny())],
    ];
    let ostatniKomunikat = '';
    const KOLUMN = 80;
    // The console's attribute byte in CGA colours: bit 0 blue, 1 green, 2 red, 3 bright.
    const PALETA = ['#000000', '#0000aa', '#00aa00', '#00aaaa', '#aa0000', '#aa00aa', '#aa5500',
        '#aaaaaa', '#555555', '#5555ff', '#55ff55', '#55ffff', '#ff5555', '#ff55ff', '#ffff55',
        '#ffffff'];
    // Keys the browser keeps: modifiers alone, function keys, dead keys of a compose sequence.
    const POMIJANE = /^(Shift|Control|Alt|AltGraph|Meta|CapsLock|NumLock|ScrollLock|Dead|Unidentified|F\d+|Process|OS)$/;
    // The mouse wheel's names on the game's side (klawisze.h).
    const KOLKO = ['!kolko-w-gore', '!kolko-w-dol'];

    const ekran = document.getElementById('ekran');
    const komunikatEl = document.getElementById('komunikat');
    const czytnik = document.getElementById('czytnik');
    // The log keeps the last lines only: a season's text would grow the page for ever.
    const LINII_DZIENNIKA = 400;
    const stanEl = document.getElementById('stan');
    const wiersze = [];
    const html = [];
    let komorki = new Uint32Array(0);
    let kursor = [0, 0];
    const zdarzenia = [];
    let czekajacy = null;
    let czasKlawisza = null;
    let mamyGre = false;

    const styl = document.createElement('style');
    styl.textContent = PALETA.map((k, i) => `.f${i}{color:${k}}.b${i}{background:${k}}`).join('');
    document.head.appendChild(styl);

    const ZNAKI = {'&': '&amp;', '<': '&lt;', '>': '&gt;'};
    function znak(kod) {
        const z = String.fromCodePoint(kod >>> 8);
        return ZNAKI[z] || z;
    }

    // Runs of one attribute as spans; the cursor's cell is a span of its own.
    function wierszHtml(w) {
        let wynik = '';
        let k = 0;
        const kursorTu = (kk) => w === kursor[1] && kk === kursor[0];
        while (k < KOLUMN) {
            const atrybut = komorki[w * KOLUMN + k] & 0xff;
            const zKursorem = kursorTu(k);
            let tekst = '';
            do {
                tekst += znak(komorki[w * KOLUMN + k]);
                ++k;
            } while (!zKursorem && k < KOLUMN && (komorki[w * KOLUMN + k] & 0xff) === atrybut &&
                     !kursorTu(k));
            wynik += `<span class="f${atrybut & 15} b${atrybut >> 4}${zKursorem ? ' k' : ''}">${tekst}</span>`;
        }
        return wynik;
    }

    // Only the rows that changed are rewritten.
    function pokaz() {
        const wierszy = komorki.length / KOLUMN;
        while (wiersze.length < wierszy) {
            wiersze.push(ekran.appendChild(document.createElement('div')));
            html.push(null);
        }
        for (let w = 0; w < wierszy; ++w) {
            const h = wierszHtml(w);
            if (h !== html[w]) {
                wiersze[w].innerHTML = h;
                html[w] = h;
            }
        }
    }

    function komunikat(tekst) {
        ostatniKomunikat = tekst;
        komunikatEl.textContent = _(tekst);
    }

    function przetlumaczStrone() {
        document.documentElement.lang = jezyk;
        document.getElementById('jezyk').lang = nastepny();
        for (const [gdzie, atrybut, tekst] of TEKSTY) {
            const el = document.querySelector(gdzie);
            const t = typeof tekst === 'function' ? tekst() : _(tekst);
            if (atrybut) el.setAttribute(atrybut, t); else el.textContent = t;
        }
        komunikat(ostatniKomunikat);
    }

    // czas: when the key was pressed, on the clock of performance.now(). A tab that does not
    // hold the game (mamyGre) drops its keys: they must not wait to play later.
    function wyslij(nazwa, czas) {
        if (!mamyGre) return;
        zdarzenia.push(nazwa);
        if (czas !== undefined && czasKlawisza === null) czasKlawisza = czas;
        if (czekajacy) {
            const c = czekajacy;
            czekajacy = null;
            c(zdarzenia.shift());
        }
    }

    // Plain lines from the game (a new screen whole, then what a key changed), for the log.
    function powiedz(tekst) {
        for (const linia of tekst.split('\n')) {
            if (linia.trim() === '') continue;
            czytnik.appendChild(document.createElement('div')).textContent = linia;
        }
        while (czytnik.childElementCount > LINII_DZIENNIKA) czytnik.firstElementChild.remove();
    }

    document.addEventListener('keydown', (e) => {
        // F2 says the whole screen again; the game never sees it.
        if (e.key === 'F2' && !(e.ctrlKey || e.metaKey || e.altKey)) {
            e.preventDefault();
            wyslij('!powtorz');
            return;
        }
        // F1 is the game's help, not the browser's.
        if (e.key === 'F1') {
            e.preventDefault();
            wyslij('F1', e.timeStamp);
            return;
        }
        if (e.ctrlKey || e.metaKey || e.altKey || POMIJANE.test(e.key)) return;
        // Tab moves the focus as on any page, so the keyboard is never trapped in the game;
        // Enter and space press a focused button.
        const przycisk = e.target instanceof HTMLButtonElement && (e.key === 'Enter' || e.key === ' ');
        if (e.key === 'Tab' || przycisk) return;
        e.preventDefault();
        wyslij(e.key, e.timeStamp);
    });
    ekran.addEventListener('wheel', (e) => {
        e.preventDefault();
        if (e.deltaY !== 0) wyslij(KOLKO[e.deltaY < 0 ? 0 : 1]);
    }, {passive: false});

    const dotyk = document.getElementById('dotyk');
    dotyk.hidden = !(window.matchMedia('(pointer: coarse)').matches || navigator.maxTouchPoints > 0);
    document.documentElement.classList.toggle('dotykowy', !dotyk.hidden);
    for (const przycisk of dotyk.querySelectorAll('button')) {
        przycisk.addEventListener('pointerdown', (e) => {
            e.preventDefault();
            wyslij(przycisk.dataset.klawisz, e.timeStamp);
        });
    }

    // A vertical swipe on the grid scrolls back as the wheel does: a step per three rows moved.
    let palecY = null;
    ekran.addEventListener('touchstart', (e) => {
        palecY = e.touches.length === 1 ? e.touches[0].clientY : null;
    }, {passive: true});
    ekran.addEventListener('touchmove', (e) => {
        if (palecY === null || wiersze.length === 0) return;
        e.preventDefault();
        const krok = 3 * wiersze[0].getBoundingClientRect().height;
        const y = e.touches[0].clientY;
        while (Math.abs(y - palecY) >= krok) {
            const wGore = y > palecY;
            wyslij(KOLKO[wGore ? 0 : 1]);
            palecY += wGore ? krok : -krok;
        }
    }, {passive: false});
    ekran.addEventListener('touchend', () => { palecY = null; });

    function pobierz() {
        const FS = Module.FS;
        const obecne = PLIKI_ZAPISU.filter((p) => FS.analyzePath(KATALOG_ZAPISU + '/' + p).exists);
        if (obecne.length === 0) {
            komunikat(N_('Brak zapisu: najpierw wybierz ZAPIS w menu.'));
            return;
        }
        for (const p of obecne) {
            const a = document.createElement('a');
            a.href = URL.createObjectURL(new Blob([FS.readFile(KATALOG_ZAPISU + '/' + p)], {type: 'text/plain'}));
            a.download = p;
            a.click();
            setTimeout(() => URL.revokeObjectURL(a.href), 10000);
        }
    }

    // The game checks the files with its own loaders between two keys (okno_web.cpp).
    async function wgraj(pliki) {
        const FS = Module.FS;
        const wybrane = [...pliki].filter((p) => PLIKI_ZAPISU.includes(p.name));
        if (wybrane.length !== PLIKI_ZAPISU.length) {
            komunikat(_('Wybierz trzy pliki zapisu: %s.').replace('%s', PLIKI_ZAPISU.join(', ')));
            return;
        }
        if (!FS.analyzePath('/wgrane').exists) FS.mkdir('/wgrane');
        for (const p of wybrane) FS.writeFile('/wgrane/' + p.name, new Uint8Array(await p.arrayBuffer()));
        wyslij('!wgraj');
    }

    const pliki = document.getElementById('pliki');
    document.getElementById('pobierz').addEventListener('click', (e) => {
        e.currentTarget.blur();
        pobierz();
    });
    document.getElementById('wgraj').addEventListener('click', (e) => {
        e.currentTarget.blur();
        pliki.click();
    });
    // The game takes the language at its next key read; the screen in view stays as drawn.
    document.getElementById('jezyk').addEventListener('click', (e) => {
        e.currentTarget.blur();
        jezyk = nastepny();
        localStorage.setItem(JEZYK, jezyk);
        przetlumaczStrone();
        wyslij('!jezyk-' + jezyk);
    });
    pliki.addEventListener('change', () => {
        wgraj(pliki.files);
        pliki.value = '';
    });

    // One game per browser, so two tabs never write over each other's save: the tab holding
    // the origin's lock plays until it closes; another says so and may try again then. The lock
    // is asked for at once, while the module loads; the game starts when both are there.
    const zajeta = document.getElementById('zajeta');
    const tresc = document.querySelector('main');
    let start = null;
    function zagraj() {
        mamyGre = true;
        if (start) start();
    }
    function sprobuj() {
        if (mamyGre) return;
        navigator.locks.request('bramkowiec', {ifAvailable: true}, (zamek) => {
            zajeta.hidden = zamek !== null;
            tresc.hidden = zamek === null;
            if (zamek === null) return null;
            zagraj();
            return new Promise(() => {});
        });
    }
    if (navigator.locks) {
        document.getElementById('przejmij').addEventListener('click', sprobuj);
        sprobuj();
    } else {
        mamyGre = true;
    }
    function zajmijGre(dalej) {
        start = dalej;
        if (mamyGre) start();
    }

    if ('serviceWorker' in navigator) {
        window.addEventListener('load', () => navigator.serviceWorker.register('sw.js').catch(() => {}));
    }

    return {
        zajmijGre,
        zdarzenia,
        // The game waits for a key and none is queued: what it shows is settled.
        get bezczynna() { return czekajacy !== null && zdarzenia.length === 0; },
        // Milliseconds from a key to the grid it produced, for the benchmark.
        pomiary: [],
        pierwszyObraz: null,
        rysuj(nowe, kx, ky) {
            komorki = nowe.slice();
            kursor = [kx, ky];
            pokaz();
            const teraz = performance.now();
            if (this.pierwszyObraz === null) this.pierwszyObraz = teraz;
            if (czasKlawisza !== null) this.pomiary.push(teraz - czasKlawisza);
            czasKlawisza = null;
        },
        zdarzenie() {
            if (zdarzenia.length > 0) return Promise.resolve(zdarzenia.shift());
            return new Promise((gotowe) => { czekajacy = gotowe; });
        },
        uspij(milisekundy) {
            return new Promise((gotowe) => setTimeout(gotowe, milisekundy));
        },
        utrwal() {
            return new Promise((gotowe) => Module.FS.syncfs(false, (blad) => gotowe(!blad)));
        },
        komunikat,
        powiedz,
        stan(tekst) {
            stanEl.textContent = tekst;
        },
        get jezyk() { return jezyk; },
        slowo(kod, polskie, przetlumaczone) {
            if (!slowa.has(kod)) slowa.set(kod, new Map());
            slowa.get(kod).set(polskie, przetlumaczone);
        },
        wybierzJezyk,
        przetlumaczStrone,
    };
})();

// The saved game lives in IndexedDB, mounted at save/ and read in before the game starts.
var Module = {
    preRun: [() => {
        const FS = Module.FS;
        FS.mkdir(KATALOG_ZAPISU);
        FS.mount(FS.filesystems.IDBFS, {}, KATALOG_ZAPISU);
        Module.addRunDependency('zapis');
        bramkowiec.zajmijGre(() => FS.syncfs(true, (blad) => {
            if (blad) bramkowiec.komunikat(N_('Przegladarka nie daje pamieci: zapis zniknie z zamknieciem strony.'));
            Module.removeRunDependency('zapis');
        }));
    }],
    onAbort: () => bramkowiec.komunikat(N_('Blad krytyczny gry. Odswiez strone.')),
};
