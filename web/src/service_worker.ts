// SPDX-License-Identifier: MIT
// Keeps the page's files so that it runs offline once loaded: every file of this build is cached
// at install under a name that changes with the build; older caches go when a new one takes over.
const worker = self as unknown as ServiceWorkerGlobalScope;

worker.addEventListener('install', (event: ExtendableEvent) => {
  event.waitUntil(
    caches
      .open(PURZO_CACHE)
      .then((cache) => cache.addAll(PURZO_FILES))
      .then(() => worker.skipWaiting()),
  );
});

worker.addEventListener('activate', (event: ExtendableEvent) => {
  event.waitUntil(
    caches
      .keys()
      .then((names) =>
        Promise.all(
          names
            .filter((n) => n.startsWith('purzo-') && n !== PURZO_CACHE)
            .map((n) => caches.delete(n)),
        ),
      )
      .then(() => worker.clients.claim()),
  );
});

worker.addEventListener('fetch', (event: FetchEvent) => {
  if (event.request.method !== 'GET') return;
  // The cache first, ignoring the address's query (?lang=, ?model=); the network for anything else.
  event.respondWith(
    caches
      .open(PURZO_CACHE)
      .then((cache) => cache.match(event.request, { ignoreSearch: true }))
      .then((hit) => hit ?? fetch(event.request)),
  );
});
