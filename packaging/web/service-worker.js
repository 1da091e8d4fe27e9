// SPDX-License-Identifier: GPL-3.0-or-later
// Keeps the site for use without a network. stamp-worker.sh (run by scripts/web) writes in
// the build's files, each with the hash of its bytes, and a version made from them; every
// build has a cache of its own, named by that version, and is served from it alone.
//
// A new build's worker fetches the whole new build into a new cache while the old one still
// serves the open page, and waits: it takes over at the next start, when no page of the old
// build is open, so a page never mixes files of two builds. It then removes the old caches.
// A file that cannot be fetched whole, or whose bytes are not the build's, fails the install:
// the worker is dropped and the site goes on as it would without one.
"use strict";

const version = "@VERSION@";
const files = @FILES@; // [name relative to this worker, "sha256-…"]
const cacheName = "znakovit-" + version;
const site = new URL("./", self.location).href;
const kept = new Set(files.map(([name]) => new URL(name, site).href));

self.addEventListener("install", (event) => {
    event.waitUntil((async () => {
        const cache = await caches.open(cacheName);
        await Promise.all(files.map(async ([name, integrity]) => {
            // Asked again of the server, which answers a browser holding the same bytes
            // (the first visit just fetched them) without sending them twice.
            const request = new Request(new URL(name, site), { cache: "no-cache", integrity });
            const response = await fetch(request);
            if (!response.ok)
                throw new Error(`${name}: ${response.status}`);
            await cache.put(new URL(name, site).href, response);
        }));
    })().catch(async (error) => {
        await caches.delete(cacheName);
        throw error;
    }));
});

self.addEventListener("activate", (event) => {
    event.waitUntil((async () => {
        for (const name of await caches.keys())
            if (name.startsWith("znakovit-") && name !== cacheName)
                await caches.delete(name);
    })());
});

// The build's files come from its cache; the folder itself is its page. Anything else goes
// to the network as if there were no worker.
self.addEventListener("fetch", (event) => {
    if (event.request.method !== "GET")
        return;
    const url = new URL(event.request.url);
    url.search = url.hash = "";
    const key = url.href === site ? new URL("index.html", site).href : url.href;
    if (!kept.has(key))
        return;
    event.respondWith((async () => {
        const cache = await caches.open(cacheName);
        return (await cache.match(key)) || fetch(event.request);
    })());
});
