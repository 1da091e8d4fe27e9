// SPDX-License-Identifier: GPL-3.0-or-later
// The browser check: headless Chromium loads the site from a server on 127.0.0.1, each time
// in a fresh profile, and measures the compressed download and the time from the start of
// the page load to the first frame that shows the window. It then photographs the page,
// clicks the first letter through the DevTools protocol and checks that the letter's name
// picture appears where the window shows it; and answers a question wrongly, checking the
// frames with the message box up and after OK (screenshot-web-box*.png beside the second
// screenshot).
//   node check.js <site> <screenshot before> <screenshot after> [loads]
// Needs nothing but Node.js and Chromium (CHROMIUM=path overrides /usr/bin/chromium).
"use strict";
const { spawn } = require("child_process");
const fs = require("fs");
const os = require("os");
const path = require("path");
const zlib = require("zlib");
const { serve } = require("./serve.js");

const [siteArg, beforePng, afterPng, loadsArg] = process.argv.slice(2);
if (!siteArg || !beforePng || !afterPng) {
    console.error("usage: node check.js <site> <screenshot before> <screenshot after> [loads]\n"
        + "       node check.js --suite <folder with test.html and the suite> <suite>");
    process.exit(2);
}
const loads = Number(loadsArg || 5);
const pictures = path.join(__dirname, "..", "..", "assets", "pictures");

// Where the window shows its letters, the name pictures and «Провериться», in CSS pixels
// from the window's top-left corner (the layout's twips over 15).
const letterAt = (index) => ({ x: 48 + 56 * (index % 7), y: 128 + 56 * Math.floor(index / 7) });
const letterSize = 50;
const letter = { x: letterAt(0).x + 25, y: letterAt(0).y + 25 };
const namePicture = { x: 488, y: 144 };
const checkButton = { x: 728 + 100, y: 472 + 32 };

let chromium;
let profile;
const fail = (message) => {
    console.error("browser check: " + message);
    process.exitCode = 1;
    finish();
};
let finishing = false;
function finish() {
    if (finishing)
        return;
    finishing = true;
    // The profile goes once Chromium has ended, since it writes there up to its end.
    const removeProfile = () => {
        try {
            if (profile)
                fs.rmSync(profile, { recursive: true, force: true, maxRetries: 20 });
        } catch (error) {
            console.error(`browser check: ${profile} left behind: ${error.message}`);
        }
        process.exit();
    };
    if (chromium && chromium.exitCode === null && chromium.signalCode === null) {
        chromium.removeAllListeners("exit");
        chromium.once("exit", removeProfile);
        // Chromium and its helper processes, which write to the profile too: its whole group.
        process.kill(-chromium.pid, "SIGKILL");
        setTimeout(removeProfile, 5000);
    } else {
        removeProfile();
    }
}
// The whole check is bounded: a page that never draws must not hang CI.
setTimeout(() => fail("timed out after 240 s"), 240000);

// The DevTools protocol over a pipe: JSON messages, each ended by a zero byte.
class DevTools {
    constructor(input, output) {
        this.input = input;
        this.next = 1;
        this.pending = new Map();
        this.listeners = [];
        let buffered = "";
        output.on("data", (chunk) => {
            buffered += chunk.toString("utf8");
            let end;
            while ((end = buffered.indexOf("\0")) >= 0) {
                const message = JSON.parse(buffered.slice(0, end));
                buffered = buffered.slice(end + 1);
                if (message.id && this.pending.has(message.id)) {
                    const { resolve, reject, method } = this.pending.get(message.id);
                    this.pending.delete(message.id);
                    if (message.error)
                        reject(new Error(`${method}: ${message.error.message}`));
                    else
                        resolve(message.result);
                } else {
                    for (const listener of this.listeners)
                        listener(message);
                }
            }
        });
    }
    send(method, params = {}, sessionId = undefined) {
        const id = this.next++;
        this.input.write(JSON.stringify({ id, method, params, sessionId }) + "\0");
        return new Promise((resolve, reject) => this.pending.set(id, { resolve, reject, method }));
    }
}

const sleep = (ms) => new Promise((resolve) => setTimeout(resolve, ms));

// Decodes an 8-bit RGB or RGBA PNG, as Chromium and the picture generator write them.
function decodePng(bytes) {
    let width, height, channels;
    const data = [];
    for (let at = 8; at < bytes.length;) {
        const length = bytes.readUInt32BE(at);
        const type = bytes.toString("latin1", at + 4, at + 8);
        const body = bytes.subarray(at + 8, at + 8 + length);
        if (type === "IHDR") {
            width = body.readUInt32BE(0);
            height = body.readUInt32BE(4);
            const colour = body[9];
            if (body[8] !== 8 || (colour !== 2 && colour !== 6) || body[12] !== 0)
                throw new Error("only 8-bit RGB or RGBA PNG without interlacing");
            channels = colour === 6 ? 4 : 3;
        } else if (type === "IDAT") {
            data.push(body);
        }
        at += 12 + length;
    }
    const raw = zlib.inflateSync(Buffer.concat(data));
    const stride = width * channels;
    const pixels = Buffer.alloc(height * stride);
    for (let y = 0; y < height; ++y) {
        const filter = raw[y * (stride + 1)];
        const line = raw.subarray(y * (stride + 1) + 1, (y + 1) * (stride + 1));
        for (let i = 0; i < stride; ++i) {
            const left = i >= channels ? pixels[y * stride + i - channels] : 0;
            const up = y > 0 ? pixels[(y - 1) * stride + i] : 0;
            const corner = y > 0 && i >= channels ? pixels[(y - 1) * stride + i - channels] : 0;
            let value = line[i];
            if (filter === 1) value += left;
            else if (filter === 2) value += up;
            else if (filter === 3) value += (left + up) >> 1;
            else if (filter === 4) {
                const p = left + up - corner;
                const pa = Math.abs(p - left), pb = Math.abs(p - up), pc = Math.abs(p - corner);
                value += pa <= pb && pa <= pc ? left : pb <= pc ? up : corner;
            }
            pixels[y * stride + i] = value & 0xff;
        }
    }
    const rgb = (x, y) => {
        const at = y * stride + x * channels;
        return [pixels[at], pixels[at + 1], pixels[at + 2]];
    };
    return { width, height, rgb };
}

// The mean difference per colour channel (0..255) between the picture and the part of the
// screenshot at (left, top).
function difference(screenshot, left, top, picture) {
    let sum = 0;
    for (let y = 0; y < picture.height; ++y)
        for (let x = 0; x < picture.width; ++x) {
            const a = screenshot.rgb(left + x, top + y), b = picture.rgb(x, y);
            sum += Math.abs(a[0] - b[0]) + Math.abs(a[1] - b[1]) + Math.abs(a[2] - b[2]);
        }
    return sum / (3 * picture.width * picture.height);
}

// The letters whose outermost ring of pixels is black: the framed ones.
function framedLetters(screenshot, origin) {
    const framed = [];
    for (let index = 0; index < 49; ++index) {
        const { x, y } = letterAt(index);
        let dark = 0, all = 0;
        for (let i = 0; i < letterSize; ++i)
            for (const [px, py] of [[x + i, y], [x + i, y + letterSize - 1], [x, y + i],
                [x + letterSize - 1, y + i]]) {
                const [r, g, b] = screenshot.rgb(origin.x + px, origin.y + py);
                dark += r + g + b < 120;
                ++all;
            }
        if (dark > 0.9 * all)
            framed.push(index);
    }
    return framed;
}

const median = (values) => {
    const sorted = [...values].sort((a, b) => a - b);
    const middle = sorted.length >> 1;
    return sorted.length % 2 ? sorted[middle] : (sorted[middle - 1] + sorted[middle]) / 2;
};

// Starts Chromium on a fresh, empty profile and speaks to it through a pipe.
function launch() {
    profile = fs.mkdtempSync(path.join(os.tmpdir(), "znakovit-chromium-"));
    chromium = spawn(process.env.CHROMIUM || "/usr/bin/chromium", [
        "--headless", "--no-sandbox", "--disable-gpu", "--use-angle=swiftshader",
        "--disable-quic", "--no-first-run", "--disable-background-networking",
        "--disable-component-update", "--disable-sync", "--disable-extensions",
        "--remote-debugging-pipe", `--user-data-dir=${profile}`, "about:blank",
    ], { stdio: ["ignore", "ignore", "ignore", "pipe", "pipe"], detached: true });
    chromium.on("exit", (code) => fail(`Chromium ended (${code})`));
    return new DevTools(chromium.stdio[3], chromium.stdio[4]);
}

// A test suite built for WebAssembly that needs a window: run in the page test.html.
async function runSuite(folder, suite) {
    const server = await serve(path.resolve(folder));
    const devtools = launch();
    const { targetId } = await devtools.send("Target.createTarget", { url: "about:blank" });
    const { sessionId } = await devtools.send("Target.attachToTarget", { targetId, flatten: true });
    const page = (method, params) => devtools.send(method, params, sessionId);
    await page("Page.navigate",
        { url: `http://127.0.0.1:${server.address().port}/test.html?${suite}` });
    for (let waited = 0; waited < 180000; waited += 200) {
        await sleep(200);
        const { result } = await page("Runtime.evaluate", { returnByValue: true,
            expression: "JSON.stringify([window.suiteExit, window.suiteOutput])" });
        const [status, output] = JSON.parse(result.value || "[null, []]");
        if (typeof status === "number") {
            console.log(output.join("\n"));
            process.exitCode = status;
            return;
        }
    }
    throw new Error(`${suite} did not end within 180 s`);
}

async function main() {
    const server = await serve(path.resolve(siteArg));
    const url = `http://127.0.0.1:${server.address().port}/`;
    const devtools = launch();

    // Opens the page in a profile of its own and waits until the window is drawn.
    const load = async () => {
        const { browserContextId } = await devtools.send("Target.createBrowserContext");
        const { targetId } = await devtools.send("Target.createTarget",
            { url: "about:blank", browserContextId });
        const { sessionId } = await devtools.send("Target.attachToTarget",
            { targetId, flatten: true });
        const page = (method, params) => devtools.send(method, params, sessionId);
        let bytes = 0;
        const count = (message) => {
            if (message.sessionId === sessionId && message.method === "Network.loadingFinished")
                bytes += message.params.encodedDataLength;
        };
        devtools.listeners.push(count);
        await page("Emulation.setDeviceMetricsOverride",
            { width: 1280, height: 720, deviceScaleFactor: 1, mobile: false });
        await page("Network.enable");
        await page("Page.enable");
        await page("Page.navigate", { url });
        const evaluate = async (expression) =>
            (await page("Runtime.evaluate", { expression, returnByValue: true })).result.value;
        for (let waited = 0; ; waited += 50) {
            const painted = await evaluate("window.znakovitFirstPaint");
            if (typeof painted === "number") {
                await sleep(300); // the last responses' accounting
                devtools.listeners.splice(devtools.listeners.indexOf(count), 1);
                return { page, evaluate, painted, bytes, close: async () => {
                    await devtools.send("Target.closeTarget", { targetId });
                    await devtools.send("Target.disposeBrowserContext", { browserContextId });
                } };
            }
            const note = await evaluate("document.getElementById('note-text').textContent");
            if (waited > 60000 || /не запустилась|остановилась|закрыта/.test(note || ""))
                throw new Error(`the window was not drawn; the page says: ${note}`);
            await sleep(50);
        }
    };

    const times = [], sizes = [];
    let last;
    for (let i = 0; i < loads; ++i) {
        if (last)
            await last.close();
        last = await load();
        times.push(last.painted);
        sizes.push(last.bytes);
        console.log(`load ${i + 1}: first paint ${last.painted.toFixed(0)} ms, `
            + `${(last.bytes / 1048576).toFixed(2)} MB transferred`);
    }
    console.log(`median of ${loads}: first paint ${median(times).toFixed(0)} ms, `
        + `${(median(sizes) / 1048576).toFixed(2)} MB transferred`);

    // The window sits at its own size in the page, never stretched.
    const box = await last.evaluate(
        "JSON.stringify(document.getElementById('canvas').getBoundingClientRect())");
    const canvas = JSON.parse(box);
    if (canvas.width !== 1190 || canvas.height !== 552)
        throw new Error(`the window is ${canvas.width} × ${canvas.height} CSS pixels`);
    const origin = { x: Math.round(canvas.left), y: Math.round(canvas.top) };

    const screenshot = async (file) => {
        const { data } = await last.page("Page.captureScreenshot", { format: "png" });
        fs.mkdirSync(path.dirname(path.resolve(file)), { recursive: true });
        fs.writeFileSync(file, Buffer.from(data, "base64"));
        return decodePng(Buffer.from(data, "base64"));
    };
    const name = decodePng(fs.readFileSync(path.join(pictures, "what_00.png")));
    const nameAt = { x: origin.x + namePicture.x, y: origin.y + namePicture.y };

    // A click at a point of the window.
    const click = async (point) => {
        for (const type of ["mouseMoved", "mousePressed", "mouseReleased"])
            await last.page("Input.dispatchMouseEvent",
                { type, x: origin.x + point.x, y: origin.y + point.y, button: "left",
                  buttons: type === "mousePressed" ? 1 : 0, clickCount: 1 });
    };

    const before = await screenshot(beforePng);
    const missing = difference(before, nameAt.x, nameAt.y, name);
    await click(letter);
    let shown = Infinity, after;
    for (let waited = 0; waited < 5000 && shown > 6; waited += 200) {
        await sleep(200);
        after = await screenshot(afterPng);
        shown = difference(after, nameAt.x, nameAt.y, name);
    }
    console.log(`name picture: mean difference ${missing.toFixed(1)} before the click, `
        + `${shown.toFixed(1)} after`);
    if (missing <= 10)
        throw new Error("the name picture was on show before the click");
    if (shown > 6)
        throw new Error("the click on the first letter did not show its name picture");

    // A wrong answer: letter 0, which is never asked. While its box is up the window shows
    // the click as it was made (letter 0 framed) and takes no other click; after OK the asked
    // letter is framed with its name picture, as on the desktop.
    const [boxPng, okPng] = ["screenshot-web-box.png", "screenshot-web-box-ok.png"]
        .map((name) => path.join(path.dirname(afterPng), name));
    const framedAfter = async (file, ready) => {
        let framed = [];
        for (let waited = 0; waited < 5000; waited += 200) {
            await sleep(200);
            framed = framedLetters(await screenshot(file), origin);
            if (ready(framed))
                break;
        }
        return framed;
    };
    await click(checkButton);
    await framedAfter(boxPng, (framed) => framed.length === 0);
    await click(letter);
    await sleep(500);
    await click({ x: letterAt(48).x + 25, y: letterAt(48).y + 25 });
    const whileUp = await framedAfter(boxPng, (framed) => framed.length > 0);
    console.log(`wrong answer, box up: framed ${JSON.stringify(whileUp)}`);
    if (JSON.stringify(whileUp) !== "[0]")
        throw new Error("with the box up the window should show letter 0 framed, as clicked");
    for (const type of ["keyDown", "keyUp"])
        await last.page("Input.dispatchKeyEvent", { type, key: "Enter", code: "Enter",
            windowsVirtualKeyCode: 13, nativeVirtualKeyCode: 13,
            ...(type === "keyDown" ? { text: "\r", unmodifiedText: "\r" } : {}) });
    const afterOk = await framedAfter(okPng, (framed) => !framed.includes(0));
    console.log(`after OK: framed ${JSON.stringify(afterOk)}`);
    if (afterOk.length !== 1 || afterOk[0] === 0)
        throw new Error("after OK the asked letter alone should be framed");
    const askedName = decodePng(fs.readFileSync(path.join(pictures,
        `what_${String(afterOk[0]).padStart(2, "0")}.png`)));
    const askedShown = difference(decodePng(fs.readFileSync(okPng)), nameAt.x, nameAt.y,
        askedName);
    if (askedShown > 6)
        throw new Error(`after OK the name picture of letter ${afterOk[0]} is not shown`);
    server.close();
    console.log("browser check passed");
}

const run = siteArg === "--suite" ? runSuite(beforePng, afterPng) : main();
run.then(finish, (error) => fail(error.message));
