// SPDX-License-Identifier: GPL-3.0-or-later
// The web benchmark: how soon the browser edition shows its window. It serves the site on
// 127.0.0.1 and loads it in headless Chromium over the DevTools protocol:
//   cold    a fresh browser context each load: no HTTP cache, no code cache, no service worker;
//   warm    a second visit in the same context, after one visit that is not counted;
//   mobile  cold, on an emulated mobile network (20 Mbit/s down, 40 ms round trip).
// For each load: the time from the navigation to the first frame that shows the window,
// judged from the compositor's frames (the letters drawn in them), the bytes transferred
// until then, and where the time went, from marks in the page: the program downloaded, its
// module compiled and instantiated, its main() entered, its first paint. Medians per kind.
//   node bench/web.js SITE [--loads N] [--kinds cold,warm,mobile]
"use strict";
const path = require("path");
const os = require("os");
const { serve } = require("../packaging/web/serve.js");
const { launchChromium, decodePng, median, sleep } = require("../packaging/web/devtools.js");

const args = process.argv.slice(2);
const option = (name, fallback) => {
    const at = args.indexOf(name);
    return at >= 0 ? args.splice(at, 2)[1] : fallback;
};
const loads = Number(option("--loads", 5));
const kinds = option("--kinds", "cold,warm,mobile").split(",");
const [site] = args;
if (!site || !(loads >= 1) || kinds.some((kind) => !["cold", "warm", "mobile"].includes(kind))) {
    console.error("usage: node bench/web.js SITE [--loads N] [--kinds cold,warm,mobile]");
    process.exit(2);
}
const viewport = { width: 1280, height: 720 };
// Frames are taken at half size: enough to see the letters, and cheaper for the browser.
const frameScale = 0.5;

// Marks the moments the page and its loader pass, before any script of the page runs.
const marker = `(() => {
    const mark = (name) => performance.mark("znakovit-" + name);
    for (const name of ["instantiate", "instantiateStreaming", "compile", "compileStreaming"]) {
        const original = WebAssembly[name];
        if (!original)
            continue;
        WebAssembly[name] = function (...args) {
            mark(name + "-start");
            const result = original.apply(this, args);
            result.then(() => mark(name + "-end"), () => {});
            return result;
        };
    }
    addEventListener("znakovit-painted", () => mark("painted"), { once: true });
})();`;

// Whether a frame shows the window: letter 0's red and letter 1's blue in their cells.
function showsWindow(frame, cells) {
    const count = ([x, y, width, height], test) => {
        let found = 0;
        for (let py = Math.round(y * frameScale); py < (y + height) * frameScale; ++py)
            for (let px = Math.round(x * frameScale); px < (x + width) * frameScale; ++px)
                if (px < frame.width && py < frame.height && test(...frame.rgb(px, py)))
                    ++found;
        return found;
    };
    return count(cells[0], (r, g, b) => r > 200 && g < 120 && b < 120) >= 20 &&
        count(cells[1], (r, g, b) => b > 200 && r < 90 && g < 90) >= 20;
}

async function main() {
    const server = await serve(path.resolve(site));
    const url = `http://127.0.0.1:${server.address().port}/`;
    const devtools = launchChromium((code) => {
        console.error(`Chromium ended (${code})`);
        process.exit(1);
    });

    // One load in the given context, in a new tab; resolves to its figures.
    const load = async (browserContextId, network) => {
        const { targetId } = await devtools.send("Target.createTarget",
            { url: "about:blank", browserContextId });
        const { sessionId } = await devtools.send("Target.attachToTarget",
            { targetId, flatten: true });
        const page = (method, params) => devtools.send(method, params, sessionId);
        const evaluate = async (expression) =>
            (await page("Runtime.evaluate", { expression, returnByValue: true })).result.value;
        let start, bytes = 0;
        const frames = [];
        const listen = (message) => {
            if (message.sessionId !== sessionId)
                return;
            const { method, params } = message;
            if (method === "Network.requestWillBeSent" && params.type === "Document" && !start)
                start = params.wallTime;
            else if (method === "Network.loadingFinished")
                bytes += params.encodedDataLength;
            else if (method === "Page.screencastFrame") {
                frames.push({ data: params.data, time: params.metadata.timestamp });
                page("Page.screencastFrameAck", { sessionId: params.sessionId }).catch(() => {});
            }
        };
        devtools.listeners.push(listen);
        await page("Emulation.setDeviceMetricsOverride",
            { ...viewport, deviceScaleFactor: 1, mobile: false });
        await page("Network.enable");
        if (network)
            await page("Network.emulateNetworkConditions", network);
        await page("Page.enable");
        await page("Page.addScriptToEvaluateOnNewDocument", { source: marker });
        await page("Page.startScreencast", { format: "png", everyNthFrame: 1,
            maxWidth: viewport.width * frameScale, maxHeight: viewport.height * frameScale });
        await page("Page.navigate", { url });
        for (let waited = 0; typeof (await evaluate("window.znakovitFirstPaint")) !== "number";
            waited += 50) {
            if (waited > 60000)
                throw new Error("the window was not drawn within 60 s");
            await sleep(50);
        }
        await sleep(300); // the frames and responses still on their way
        await page("Page.stopScreencast");
        devtools.listeners.splice(devtools.listeners.indexOf(listen), 1);

        const marks = JSON.parse(await evaluate(`JSON.stringify((() => {
            const at = {};
            for (const entry of performance.getEntriesByType("mark"))
                at[entry.name] = entry.startTime;
            const wasm = performance.getEntriesByType("resource")
                .find((entry) => entry.name.endsWith(".wasm"));
            if (wasm)
                at["znakovit-downloaded"] = wasm.responseEnd;
            const layout = window.znakovitLayout;
            const canvas = document.getElementById("canvas").getBoundingClientRect();
            const cell = (index) => {
                const own = layout && layout.controls["imgBukv(" + index + ")"];
                const [x, y, w, h] = own || [48 + 56 * index, 128, 50, 50];
                return [canvas.left + x, canvas.top + y, w, h];
            };
            at.cells = [cell(0), cell(1)];
            return at;
        })())`));
        let shown;
        for (const frame of frames)
            if (showsWindow(decodePng(Buffer.from(frame.data, "base64")), marks.cells)) {
                shown = frame.time;
                break;
            }
        if (shown === undefined)
            throw new Error("no frame showed the window");
        const loaded = {
            frame: (shown - start) * 1000, bytes,
            downloaded: marks["znakovit-downloaded"],
            instantiated: marks["znakovit-instantiateStreaming-end"] ??
                marks["znakovit-instantiate-end"],
            main: marks["znakovit-main"], painted: marks["znakovit-painted"],
        };
        await devtools.send("Target.closeTarget", { targetId });
        return loaded;
    };

    const mobile = { offline: false, latency: 40, downloadThroughput: 20e6 / 8,
                     uploadThroughput: 5e6 / 8, connectionType: "cellular4g" };
    const load1 = os.loadavg()[0];
    console.log(`${loads} loads of each kind, viewport ${viewport.width} × ${viewport.height}; `
        + `load average ${os.loadavg().map((value) => value.toFixed(2)).join(" ")}`);
    for (const kind of kinds) {
        const results = [];
        let context;
        if (kind === "warm") {
            ({ browserContextId: context } = await devtools.send("Target.createBrowserContext"));
            await load(context); // the first visit, which the counted ones follow
            await sleep(2000); // time for a service worker to settle in
        }
        for (let i = 0; i < loads; ++i) {
            let own;
            if (kind !== "warm")
                ({ browserContextId: own } = await devtools.send("Target.createBrowserContext"));
            results.push(await load(own || context, kind === "mobile" ? mobile : undefined));
            if (own)
                await devtools.send("Target.disposeBrowserContext", { browserContextId: own });
        }
        if (context)
            await devtools.send("Target.disposeBrowserContext", { browserContextId: context });
        const at = (field) => {
            const values = results.map((result) => result[field]).filter(Number.isFinite);
            return values.length ? `${median(values).toFixed(0)} ms` : "–";
        };
        const frames = results.map((result) => result.frame);
        console.log(`${kind}: first frame ${median(frames).toFixed(0)} ms `
            + `(${Math.min(...frames).toFixed(0)}–${Math.max(...frames).toFixed(0)}), `
            + `${(median(results.map((result) => result.bytes)) / 1048576).toFixed(2)} MB; `
            + `program downloaded ${at("downloaded")}, instantiated ${at("instantiated")}, `
            + `main ${at("main")}, painted ${at("painted")}`);
    }
    console.log(`load average before ${load1.toFixed(2)}, after ${os.loadavg()[0].toFixed(2)}`);
    server.close();
    await devtools.close();
}

main().then(() => process.exit(0), (error) => {
    console.error("web benchmark: " + error.message);
    process.exit(1);
});
