// SPDX-License-Identifier: MIT
// Builds the page twice from src/: dist/ (a static folder with a service worker, for any web
// server) and single/purzosimulation.html (everything inlined, for file:// and plain HTTP).
//   node tools/build.mjs [--module PATH_TO_purzo_module.mjs] [--out FOLDER]  (default: web/)
import * as esbuild from 'esbuild';
import { createHash } from 'node:crypto';
import { cpSync, mkdirSync, readFileSync, readdirSync, rmSync, writeFileSync } from 'node:fs';
import { dirname, join, resolve } from 'node:path';
import { fileURLToPath } from 'node:url';
import { readPageTexts, readTranslations } from './texts.mjs';

const web = resolve(dirname(fileURLToPath(import.meta.url)), '..');
const root = resolve(web, '..');
const args = process.argv.slice(2);
const moduleIndex = args.indexOf('--module');
const modulePath = resolve(
  moduleIndex >= 0 ? args[moduleIndex + 1] : join(root, 'build-wasm/web/module/purzo_module.mjs'),
);
// Where the two outputs go; the tests build into their own folder.
const outIndex = args.indexOf('--out');
const out = outIndex >= 0 ? resolve(args[outIndex + 1]) : web;

const texts = {
  en: readTranslations(join(root, 'translations/purzo_en.ts')),
  page: readPageTexts(join(web, 'src/page_texts.js')),
};
const pictureNames = readdirSync(join(root, 'resources'))
  .filter((n) => n.endsWith('.jpg'))
  .sort();

// The virtual modules the page imports: its texts, its pictures (addresses or inlined) and the
// WebAssembly module.
function purzoPlugin(inlinePictures) {
  return {
    name: 'purzo',
    setup(build) {
      build.onResolve({ filter: /^purzo:/ }, (a) => ({ path: a.path, namespace: 'purzo' }));
      build.onLoad({ filter: /.*/, namespace: 'purzo' }, (a) => {
        if (a.path === 'purzo:texts') return { contents: JSON.stringify(texts), loader: 'json' };
        if (a.path === 'purzo:pictures') {
          const urls = {};
          for (const name of pictureNames) {
            urls[name.replace(/\.jpg$/, '')] = inlinePictures
              ? `data:image/jpeg;base64,${readFileSync(join(root, 'resources', name)).toString('base64')}`
              : `pictures/${name}`;
          }
          return { contents: JSON.stringify(urls), loader: 'json' };
        }
        if (a.path === 'purzo:module') {
          return {
            contents: readFileSync(modulePath, 'utf8'),
            loader: 'js',
            resolveDir: dirname(modulePath),
          };
        }
        return null;
      });
    },
  };
}

const common = {
  bundle: true,
  minify: true,
  target: ['es2022', 'chrome94', 'safari15', 'firefox93'],
  logLevel: 'warning',
  legalComments: 'none',
};

const template = readFileSync(join(web, 'src/index.html'), 'utf8');
const css = readFileSync(join(web, 'src/style.css'), 'utf8');

async function buildDist() {
  const dist = join(out, 'dist');
  rmSync(dist, { recursive: true, force: true });
  mkdirSync(join(dist, 'pictures'), { recursive: true });
  mkdirSync(join(dist, 'icons'), { recursive: true });
  await esbuild.build({
    ...common,
    entryPoints: [join(web, 'src/main.ts')],
    outfile: join(dist, 'app.js'),
    format: 'esm',
    plugins: [purzoPlugin(false)],
    define: { PURZO_SINGLE: 'false' },
  });
  // The landing map's worker: the same module, flying the map's cells off the page's thread. A
  // classic worker script, which every browser the page targets can start.
  await esbuild.build({
    ...common,
    entryPoints: [join(web, 'src/tools/map_worker.ts')],
    outfile: join(dist, 'map_worker.js'),
    format: 'iife',
    plugins: [purzoPlugin(false)],
    define: { 'import.meta.url': 'self.location.href' },
  });
  for (const name of pictureNames)
    cpSync(join(root, 'resources', name), join(dist, 'pictures', name));
  for (const size of [192, 512])
    cpSync(join(root, `resources/icons/purzo-${size}.png`), join(dist, `icons/purzo-${size}.png`));
  writeFileSync(join(dist, 'style.css'), css);
  writeFileSync(
    join(dist, 'index.html'),
    template
      .replace(
        '<!--head-->',
        '<link rel="manifest" href="manifest.webmanifest">\n' +
          '<link rel="icon" href="icons/purzo-192.png">\n<link rel="stylesheet" href="style.css">',
      )
      .replace('<!--script-->', '<script type="module" src="app.js"></script>'),
  );
  writeFileSync(
    join(dist, 'manifest.webmanifest'),
    JSON.stringify(
      {
        name: 'Purzosimulation',
        short_name: 'Purzo',
        description: 'Ein Lehrprogramm zur Sportbiomechanik',
        lang: 'de',
        start_url: './',
        scope: './',
        display: 'standalone',
        background_color: '#f0f0f0',
        theme_color: '#f0f0f0',
        icons: [192, 512].map((s) => ({
          src: `icons/purzo-${s}.png`,
          sizes: `${s}x${s}`,
          type: 'image/png',
          purpose: 'any',
        })),
      },
      null,
      2,
    ),
  );
  // The service worker caches exactly the files of this build (the map's worker among them) under a name that changes with
  // them, so that a new build replaces the old cache whole.
  const files = listFiles(dist).filter((f) => f !== 'sw.js');
  const hash = createHash('sha256');
  for (const f of files) hash.update(f).update(readFileSync(join(dist, f)));
  await esbuild.build({
    ...common,
    entryPoints: [join(web, 'src/service_worker.ts')],
    outfile: join(dist, 'sw.js'),
    format: 'iife',
    define: {
      PURZO_CACHE: JSON.stringify(`purzo-${hash.digest('hex').slice(0, 16)}`),
      PURZO_FILES: JSON.stringify(['./', ...files]),
    },
  });
}

async function buildSingle() {
  const single = join(out, 'single');
  rmSync(single, { recursive: true, force: true });
  mkdirSync(single, { recursive: true });
  const result = await esbuild.build({
    ...common,
    entryPoints: [join(web, 'src/main.ts')],
    write: false,
    format: 'iife',
    plugins: [purzoPlugin(true)],
    define: { 'import.meta.url': '""', PURZO_SINGLE: 'true' },
  });
  const script = result.outputFiles[0].text.replaceAll('</script', '<\\/script');
  // Functions as replacements: the script holds "$&" and "$'", which a replacement string
  // would expand.
  writeFileSync(
    join(single, 'purzosimulation.html'),
    template
      .replace('<!--head-->', () => `<style>\n${css}</style>`)
      .replace('<!--script-->', () => `<script>${script}</script>`),
  );
}

function listFiles(dir, prefix = '') {
  return readdirSync(dir, { withFileTypes: true })
    .flatMap((e) =>
      e.isDirectory() ? listFiles(join(dir, e.name), `${prefix + e.name}/`) : [prefix + e.name],
    )
    .sort();
}

await buildDist();
await buildSingle();
console.log(`built ${join(out, 'dist')} and ${join(out, 'single/purzosimulation.html')}`);
