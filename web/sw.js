// Keeps the page working offline once loaded: its few files, answered from the cache first and
// refreshed from the network whenever it answers.
const CACHE = 'nusselt-web-1';
const FILES = ['./', 'index.html', 'style.css', 'app.js', 'plot.js', 'engine.js', 'engine.wasm'];

self.addEventListener('install', (event) => {
  event.waitUntil(caches.open(CACHE).then((cache) => cache.addAll(FILES)));
});

self.addEventListener('fetch', (event) => {
  if (event.request.method !== 'GET') return;
  event.respondWith(
    caches.open(CACHE).then((cache) =>
      cache.match(event.request, { ignoreSearch: true }).then((cached) => {
        const fresh = fetch(event.request).then((response) => {
          if (response.ok) cache.put(event.request, response.clone());
          return response;
        }).catch(() => cached);
        return cached || fresh;
      })));
});
