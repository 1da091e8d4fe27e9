// SPDX-License-Identifier: GPL-3.0-or-later
// A static server for the site, on this computer only, that sends the pre-compressed
// .br or .gz twin of a file when the browser accepts it. The program and the loader, whose
// names carry their bytes' hash, are kept by browsers for good; every other answer says
// "no-cache", so the browser asks again each time, and so finds a new build's page and
// service worker at its next start; with the file's tag, by which a browser holding the same
// bytes is answered with a short 304.
//   node serve.js [site folder] [port]      (defaults: build-web/site, 8080)
"use strict";
const fs = require("fs");
const http = require("http");
const path = require("path");

const types = {
    ".html": "text/html; charset=utf-8",
    ".js": "text/javascript; charset=utf-8",
    ".wasm": "application/wasm",
    ".txt": "text/plain; charset=utf-8",
    ".png": "image/png",
    ".webmanifest": "application/manifest+json",
};

// Starts serving `root` on 127.0.0.1:`port` (0: any free port); resolves to the server.
// `types` replaces the types of some endings, to play a server that sends them otherwise.
function serve(root, port = 0, { types: replaced = {} } = {}) {
    root = path.resolve(root);
    const typeOf = { ...types, ...replaced };
    const server = http.createServer((request, response) => {
        const name = decodeURIComponent(new URL(request.url, "http://localhost").pathname);
        const file = path.join(root, name.endsWith("/") ? name + "index.html" : name);
        const type = typeOf[path.extname(file)];
        if (!file.startsWith(root + path.sep) || !type || !fs.existsSync(file)) {
            response.writeHead(404, { "Content-Type": "text/plain" });
            response.end("not found\n");
            return;
        }
        const accepted = String(request.headers["accept-encoding"] || "");
        // A file whose name carries the hash of its bytes never changes: browsers may keep it
        // for a year without asking. Any other is asked for again each time.
        const lasting = /-[0-9a-f]{12}\.[a-z]+$/.test(name);
        const headers = { "Content-Type": type, Vary: "Accept-Encoding",
            "Cache-Control": lasting ? "public, max-age=31536000, immutable" : "no-cache" };
        let body = file;
        for (const [encoding, suffix] of [["br", ".br"], ["gzip", ".gz"]]) {
            if (accepted.includes(encoding) && fs.existsSync(file + suffix)) {
                headers["Content-Encoding"] = encoding;
                body = file + suffix;
                break;
            }
        }
        // A tag for the bytes sent, so that a browser asking again ("no-cache") is told that
        // what it holds is still the file, and need not fetch it twice.
        const stat = fs.statSync(body);
        headers.ETag = `"${stat.size.toString(16)}-${Math.floor(stat.mtimeMs).toString(16)}"`;
        if (String(request.headers["if-none-match"] || "").split(/\s*,\s*/).includes(headers.ETag)) {
            delete headers["Content-Type"];
            response.writeHead(304, headers);
            response.end();
            return;
        }
        headers["Content-Length"] = stat.size;
        response.writeHead(200, headers);
        if (request.method === "HEAD")
            response.end();
        else
            fs.createReadStream(body).pipe(response);
    });
    return new Promise((resolve) => server.listen(port, "127.0.0.1", () => resolve(server)));
}

if (require.main === module) {
    const root = path.resolve(process.argv[2] || "build-web/site");
    serve(root, Number(process.argv[3] || 8080)).then((server) =>
        console.log(`Serving ${root} at http://127.0.0.1:${server.address().port}/`));
}

module.exports = { serve };
