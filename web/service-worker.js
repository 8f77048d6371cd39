// Keeps the page's files, so that after one visit it opens without a
// network. The cache is named after this build (the name changes whenever
// a file does), and a new build's worker takes over at once and drops the
// files of every earlier one.
"use strict";
const cacheName = "lembovari-@PAGE_VERSION@";
const files = ["./", "index.html", "lembovari.js", "lembovari.wasm", "manifest.webmanifest",
               "lembovari.png"];

self.addEventListener("install", (event) => {
  event.waitUntil(caches.open(cacheName).then((cache) => cache.addAll(files))
                    .then(() => self.skipWaiting()));
});

self.addEventListener("activate", (event) => {
  event.waitUntil(caches.keys().then((names) => Promise.all(
    names.filter((name) => name.startsWith("lembovari-") && name !== cacheName)
      .map((name) => caches.delete(name)))).then(() => self.clients.claim()));
});

// The page's own files from the cache, whatever their query (the
// parameters choose scenes, not files); anything else from the network.
self.addEventListener("fetch", (event) => {
  if (event.request.method !== "GET")
    return;
  event.respondWith(caches.open(cacheName)
    .then((cache) => cache.match(event.request, { ignoreSearch: true }))
    .then((kept) => kept || fetch(event.request)));
});
