// Keeps the field edition for use offline: every file of the page is cached when the
// worker installs, under a name carrying the build, and served from there first. A new
// build brings a new worker, which replaces the old cache when it takes over.
const PREFIX = 'brackmere-field-';
const CACHE = `${PREFIX}__BUILD_ID__`;
const FILES = __FILES__;

self.addEventListener('install', (event) => {
  event.waitUntil(caches.open(CACHE)
    .then((cache) => cache.addAll(FILES.map((file) => new Request(file, { cache: 'reload' }))))
    .then(() => self.skipWaiting()));
});

self.addEventListener('activate', (event) => {
  event.waitUntil(caches.keys()
    .then((names) => Promise.all(names.filter((name) => name.startsWith(PREFIX) && name !== CACHE)
      .map((name) => caches.delete(name))))
    .then(() => self.clients.claim()));
});

self.addEventListener('fetch', (event) => {
  const request = event.request;
  if (request.method !== 'GET' || new URL(request.url).origin !== self.location.origin)
    return;
  // The readings in the address (?ta=80&...) do not change the page's files.
  event.respondWith(caches.open(CACHE)
    .then((cache) => cache.match(request, { ignoreSearch: true }))
    .then((cached) => cached || fetch(request)));
});
