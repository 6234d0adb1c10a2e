// Keeps the whole site for play without a network: the build's files in one cache named after
// the build, filled before this worker takes over, the caches of other builds dropped when it
// does. The build fills in the name and the file list.
'use strict';

const PAMIEC = 'bramkowiec-@WERSJA@';
const PLIKI = @PLIKI@;

self.addEventListener('install', (e) => {
    // no-cache: the files of this build as the server has them now, not an older copy.
    e.waitUntil(caches.open(PAMIEC).then((c) => c.addAll(PLIKI.map((p) => new Request(p, {cache: 'no-cache'})))));
});

self.addEventListener('activate', (e) => {
    e.waitUntil(caches.keys().then((nazwy) =>
        Promise.all(nazwy.filter((n) => n !== PAMIEC).map((n) => caches.delete(n)))));
});

self.addEventListener('fetch', (e) => {
    const adres = new URL(e.request.url);
    if (e.request.method !== 'GET' || adres.origin !== self.location.origin) return;
    const strona = adres.pathname === new URL('./', self.location).pathname ? 'index.html' : e.request;
    e.respondWith(caches.open(PAMIEC)
        .then((c) => c.match(strona, {ignoreSearch: true}))
        .then((r) => r || fetch(e.request)));
});
