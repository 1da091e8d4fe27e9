// SPDX-License-Identifier: GPL-3.0-or-later
// The browser check: headless Chromium loads the site from a server on 127.0.0.1, each time
// in a fresh profile, and measures the compressed download and the time from the start of
// the page load to the first frame that shows the window. It then photographs the page,
// clicks the first letter through the DevTools protocol and checks that the letter's name
// picture appears where the window shows it; and answers a question wrongly, checking the
// frames with the message box up and after OK (screenshot-web-box*.png beside the second
// screenshot). Every place it looks at or aims at is one the window publishes
// (window.znakovitLayout).
//
// Then, with touch, on a phone both ways up and on an upright tablet: the window fits the
// screen whole in the arrangement for its shape and a tap studies a letter (a screenshot
// of each, screenshot-web-phone-landscape.png, -phone-portrait.png, -tablet-portrait.png);
// Chromium finds the site installable; in the alphabet truths a finger drawn across the grid
// leaves the line at its end framed; a turn keeps the letter studied; a tiny screen still
// shows the whole window; after one visit a reload with no network opens from the service
// worker and works; and a browser without WebGL is told so. One line of output per check.
//   node check.js <site> <screenshot before> <screenshot after> [loads]
// Needs nothing but Node.js and Chromium (CHROMIUM=path overrides /usr/bin/chromium).
"use strict";
const { execFileSync } = require("child_process");
const fs = require("fs");
const http = require("http");
const os = require("os");
const path = require("path");
const { launchChromium, decodePng, median, sleep } = require("./devtools.js");
const { serve } = require("./serve.js");

const [siteArg, beforePng, afterPng, loadsArg] = process.argv.slice(2);
if (!siteArg || !beforePng || !afterPng) {
    console.error("usage: node check.js <site> <screenshot before> <screenshot after> [loads]\n"
        + "       node check.js --suite <folder with test.html and the suite> <suite>");
    process.exit(2);
}
const loads = Number(loadsArg || 5);
const pictures = path.join(__dirname, "..", "..", "assets", "pictures");

let devtools;
const scratch = []; // folders to remove at the end
const fail = (message) => {
    console.error("browser check: " + message);
    process.exitCode = 1;
    finish();
};
let finishing = false;
async function finish() {
    if (finishing)
        return;
    finishing = true;
    if (devtools)
        await devtools.close();
    for (const folder of scratch) {
        try {
            fs.rmSync(folder, { recursive: true, force: true, maxRetries: 20 });
        } catch (error) {
            console.error(`browser check: ${folder} left behind: ${error.message}`);
        }
    }
    process.exit();
}

// The whole check is bounded: a page that never draws must not hang CI.
setTimeout(() => fail("timed out after 420 s"), 420000);

// The mean difference per colour channel (0..255) between a picture and the part of the
// screenshot that shows it, the area {x, y, w, h} in screenshot pixels. Both are averaged
// over the same grid of cells, cellsX × cellsY; with one cell per pixel of a picture shown
// at its own size this compares pixel by pixel, with coarser cells a picture drawn at
// another scale is compared without the scalers' differences at its edges.
function difference(screenshot, area, picture, cellsX = picture.width, cellsY = picture.height) {
    const means = (image, { x, y, w, h }) => {
        const sums = new Float64Array(cellsX * cellsY * 4);
        for (let py = Math.ceil(y - 0.5); py + 0.5 < y + h; ++py)
            for (let px = Math.ceil(x - 0.5); px + 0.5 < x + w; ++px) {
                const cx = Math.floor((px + 0.5 - x) / w * cellsX);
                const cy = Math.floor((py + 0.5 - y) / h * cellsY);
                const at = 4 * (cy * cellsX + cx);
                const [r, g, b] = image.rgb(px, py);
                sums[at] += r; sums[at + 1] += g; sums[at + 2] += b; ++sums[at + 3];
            }
        return sums;
    };
    const a = means(screenshot, area);
    const b = means(picture, { x: 0, y: 0, w: picture.width, h: picture.height });
    let sum = 0, cells = 0;
    for (let at = 0; at < a.length; at += 4) {
        if (!a[at + 3] || !b[at + 3])
            continue;
        for (let c = 0; c < 3; ++c)
            sum += Math.abs(a[at + c] / a[at + 3] - b[at + c] / b[at + 3]);
        ++cells;
    }
    return sum / (3 * cells);
}

// A part of a screenshot, as a picture of its own; the area in whole pixels.
const whole = ({ x, y, w, h }) => ({ x: Math.round(x), y: Math.round(y), w: Math.round(w),
    h: Math.round(h) });
const crop = (image, { x, y, w, h }) => ({ width: w, height: h,
    rgb: (px, py) => image.rgb(x + px, y + py) });

// The letters whose outermost ring of pixels is black: the framed ones. The ring is one
// window pixel wide, however many screenshot pixels that takes; a point of the ring counts
// as black when the darkest pixel across its width is.
function framedLetters(screenshot, view) {
    const { dsf, layout } = view;
    const depth = Math.max(1, Math.round(layout.scale * dsf));
    const framed = [];
    for (let index = 0; index < 49; ++index) {
        const { x, y, w, h } = view.area(`imgBukv(${index})`);
        const [left, top] = [Math.round(x), Math.round(y)];
        const [right, bottom] = [Math.round(x + w) - 1, Math.round(y + h) - 1];
        const darkest = (points) => Math.min(...points.map(([px, py]) =>
            screenshot.rgb(px, py).reduce((a, b) => a + b)));
        const band = (px, py, dx, dy) =>
            Array.from({ length: depth }, (_, i) => [px + i * dx, py + i * dy]);
        let dark = 0, all = 0;
        for (let px = left; px <= right; ++px)
            for (const edge of [band(px, top, 0, 1), band(px, bottom, 0, -1)]) {
                dark += darkest(edge) < 120;
                ++all;
            }
        for (let py = top; py <= bottom; ++py)
            for (const edge of [band(left, py, 1, 0), band(right, py, -1, 0)]) {
                dark += darkest(edge) < 120;
                ++all;
            }
        if (dark > 0.9 * all)
            framed.push(index);
    }
    return framed;
}

// Chromium on a fresh profile, for the whole check.
const launch = () => (devtools = launchChromium((code) => fail(`Chromium ended (${code})`)));

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

// Every control the window publishes in window.znakovitLayout.
const controlNames = [
    ...Array.from({ length: 49 }, (_, i) => `imgBukv(${i})`),
    ...Array.from({ length: 49 }, (_, i) => `imgWhat(${i})`),
    "imgTitle", "imgChoose", "imgChoose2", "imgChoose3", "lblNum", "lblObraz", "lblAzbIst",
    "cmdAzbIst", "cmdCheck", "optDirect(0)", "optDirect(1)", "optDirect(2)", "Shape1",
];

// The screens the page is tried on, in CSS pixels.
const screens = {
    desktop: { width: 1280, height: 720, deviceScaleFactor: 1, mobile: false },
    phoneLandscape: { width: 844, height: 390, deviceScaleFactor: 3, mobile: true },
    phonePortrait: { width: 390, height: 844, deviceScaleFactor: 3, mobile: true },
    tabletPortrait: { width: 820, height: 1180, deviceScaleFactor: 2, mobile: true },
    tiny: { width: 320, height: 240, deviceScaleFactor: 2, mobile: true },
};
const named = (screen) => `${screen.width} × ${screen.height}`;

const namePicture = (index, twin = "@2x") => decodePng(fs.readFileSync(path.join(pictures,
    `what_${String(index).padStart(2, "0")}${twin}.png`)));

// The page in a browser context of its own, on a screen of its own: its DevTools session, the
// arrangement the window published and where the canvas lies.
class View {
    constructor(devtools, ids) {
        this.devtools = devtools;
        Object.assign(this, ids);
    }
    page(method, params) {
        return this.devtools.send(method, params, this.sessionId);
    }
    async evaluate(expression) {
        const { result, exceptionDetails } = await this.page("Runtime.evaluate",
            { expression, returnByValue: true, awaitPromise: true });
        if (exceptionDetails) {
            const { exception = {}, text } = exceptionDetails;
            throw new Error(`${expression}: ${exception.description || text}`);
        }
        return result.value;
    }
    async setScreen(screen) {
        this.dsf = screen.deviceScaleFactor;
        const upright = screen.height > screen.width;
        await this.page("Emulation.setDeviceMetricsOverride", { ...screen,
            ...(screen.mobile ? { screenOrientation: upright
                ? { type: "portraitPrimary", angle: 0 } : { type: "landscapePrimary", angle: 90 } }
                : {}) });
        if (screen.mobile)
            await this.page("Emulation.setTouchEmulationEnabled",
                { enabled: true, maxTouchPoints: 5 });
    }
    // Waits until the window is drawn, then reads where it lies. A page being replaced (on a
    // reload) answers nothing, or an error, until the new one runs.
    async waitForWindow() {
        for (let waited = 0; ; waited += 50) {
            const [painted, note] = await this.evaluate("[window.znakovitFirstPaint, "
                + "(document.getElementById('note-text') || {}).textContent]").catch(() => []);
            if (typeof painted === "number") {
                await sleep(300); // the last responses' accounting
                await this.measure();
                return painted;
            }
            if (waited > 60000 || /не запустилась|остановилась|закрыта/.test(note || ""))
                throw new Error("the window was not drawn; the page says: "
                    + (note == null ? "nothing, it is not ours" : note));
            await sleep(50);
        }
    }
    // Waits (20 s at most) until the page's service worker runs.
    async workerRunning() {
        const running = await this.evaluate("Promise.race([navigator.serviceWorker.ready"
            + ".then(() => true), new Promise((done) => setTimeout(done, 20000, false))])");
        if (!running)
            throw new Error("the service worker did not start within 20 s");
    }
    async measure() {
        Object.assign(this, JSON.parse(await this.evaluate(`JSON.stringify({
            canvas: document.getElementById("canvas").getBoundingClientRect(),
            width: innerWidth, height: innerHeight, zoom: visualViewport.scale,
            scrollWidth: document.documentElement.scrollWidth,
            scrollHeight: document.documentElement.scrollHeight,
            arranged: window.znakovitArranged, layout: window.znakovitLayout || null })`)));
        if (!this.layout || !this.arranged)
            throw new Error("the window told the page no arrangement (window.znakovitLayout, "
                + "the event znakovit-arranged)");
    }
    // Waits for an arrangement, published after the `after`-th one.
    async waitForArrangement(arrangement, after) {
        for (let waited = 0; waited < 5000; waited += 100) {
            await this.measure();
            if (this.arranged > after && this.layout.arrangement === arrangement)
                return;
            await sleep(100);
        }
        throw new Error(`the window took no ${arrangement} arrangement `
            + `(${this.arranged} arrangements, the last ${this.layout.arrangement})`);
    }
    rect(name) {
        const rect = this.layout.controls[name];
        if (!rect)
            throw new Error(`the window did not publish ${name}`);
        return rect;
    }
    // Where a control lies in a screenshot, in its pixels.
    area(name) {
        const [x, y, w, h] = this.rect(name);
        const d = this.dsf;
        return { x: (this.canvas.left + x) * d, y: (this.canvas.top + y) * d, w: w * d, h: h * d };
    }
    // A control's centre in CSS pixels of the page, where input events are aimed.
    centre(name) {
        const [x, y, w, h] = this.rect(name);
        return { x: this.canvas.left + x + w / 2, y: this.canvas.top + y + h / 2 };
    }
    async shot(file) {
        const { data } = await this.page("Page.captureScreenshot", { format: "png" });
        const bytes = Buffer.from(data, "base64");
        if (file) {
            fs.mkdirSync(path.dirname(path.resolve(file)), { recursive: true });
            fs.writeFileSync(file, bytes);
        }
        return decodePng(bytes);
    }
    // Takes screenshots until one is `ready`, for 5 s at most; the last one.
    async poll(ready, file) {
        let shot;
        for (let waited = 0; waited < 5000; waited += 200) {
            await sleep(200);
            shot = await this.shot(file);
            if (ready(shot))
                break;
        }
        return shot;
    }
    async click(name) {
        const { x, y } = this.centre(name);
        for (const type of ["mouseMoved", "mousePressed", "mouseReleased"])
            await this.page("Input.dispatchMouseEvent", { type, x, y, button: "left",
                buttons: type === "mousePressed" ? 1 : 0, clickCount: 1 });
    }
    async tap(name) {
        await this.touch("touchStart", name);
        await sleep(50);
        await this.touch("touchEnd");
    }
    // A finger: put down on a control, drawn in a straight line to another in small steps,
    // lifted where it is.
    async touch(type, name) {
        if (name)
            this.finger = this.centre(name);
        await this.page("Input.dispatchTouchEvent",
            { type, touchPoints: type === "touchEnd" ? [] : [{ ...this.finger, id: 1 }] });
    }
    async slide(to, steps = 10) {
        const [a, b] = [this.finger, this.centre(to)];
        for (let step = 1; step <= steps; ++step) {
            await sleep(20);
            this.finger = { x: a.x + (b.x - a.x) * step / steps,
                y: a.y + (b.y - a.y) * step / steps };
            await this.touch("touchMove");
        }
    }
    // What keeps the window from fitting the screen: the page zoomed or scrolling, the canvas
    // or a control outside the viewport, or (with `fills`) a canvas smaller than it.
    misfits(fills) {
        const problems = [];
        const { canvas, width, height } = this;
        const outside = (x, y, w, h) =>
            x < -0.5 || y < -0.5 || x + w > width + 0.5 || y + h > height + 0.5;
        if (this.zoom !== 1)
            problems.push(`the page is zoomed to ${this.zoom}`);
        if (this.scrollWidth > width || this.scrollHeight > height)
            problems.push(`the page is ${this.scrollWidth} × ${this.scrollHeight}, it scrolls`);
        if (outside(canvas.left, canvas.top, canvas.width, canvas.height))
            problems.push(`the canvas at ${canvas.left}, ${canvas.top} is `
                + `${canvas.width} × ${canvas.height}`);
        if (fills && (Math.abs(canvas.left) > 0.5 || Math.abs(canvas.top) > 0.5
            || Math.abs(canvas.width - width) > 1 || Math.abs(canvas.height - height) > 1))
            problems.push(`the canvas is ${canvas.width} × ${canvas.height}, not the viewport`);
        for (const name of controlNames) {
            const rect = this.layout.controls[name];
            if (!rect)
                problems.push(`${name} is not published`);
            else if (outside(canvas.left + rect[0], canvas.top + rect[1], rect[2], rect[3]))
                problems.push(`${name} at [${rect.map((v) => v.toFixed(1))}]`);
        }
        return problems;
    }
    async closePage() {
        await this.devtools.send("Target.closeTarget", { targetId: this.targetId });
    }
    // Closes the page, and the context it opened.
    async close() {
        await this.closePage();
        if (this.ownsContext)
            await this.devtools.send("Target.disposeBrowserContext",
                { browserContextId: this.browserContextId });
    }
}

// Counts the window's arrangements as the page hears of them, from the page's first script on.
const countArrangements = "window.znakovitArranged = 0; window.addEventListener("
    + "'znakovit-arranged', () => { ++window.znakovitArranged; });";

// Opens the page in a browser context of its own (as a fresh profile: no cache, no service
// worker) on the given screen and, unless told not to, waits until the window is drawn.
// Chromium installs no site from such a context: `context` "default" opens the page in the
// profile's default context instead, fresh too if only one page ever opens there; the id of
// another page's context opens it beside that page.
async function open(devtools, url, screen, { script = "", wait = true, context } = {}) {
    const { browserContextId } = context === undefined
        ? await devtools.send("Target.createBrowserContext")
        : { browserContextId: context === "default" ? undefined : context };
    const { targetId } = await devtools.send("Target.createTarget",
        { url: "about:blank", browserContextId });
    const { sessionId } = await devtools.send("Target.attachToTarget",
        { targetId, flatten: true });
    const view = new View(devtools, { browserContextId, targetId, sessionId,
        ownsContext: context === undefined });
    view.bytes = 0;
    const count = (message) => {
        if (message.sessionId === sessionId && message.method === "Network.loadingFinished")
            view.bytes += message.params.encodedDataLength;
    };
    devtools.listeners.push(count);
    await view.setScreen(screen);
    await view.page("Network.enable");
    await view.page("Page.enable");
    await view.page("Page.addScriptToEvaluateOnNewDocument",
        { source: countArrangements + script });
    await view.page("Page.navigate", { url });
    if (wait)
        view.painted = await view.waitForWindow();
    devtools.listeners.splice(devtools.listeners.indexOf(count), 1);
    return view;
}

// How far the picture of a letter's name is from what a control shows, drawn from its @2x
// twin into the control's place: in cells of two pixels of the smaller of the two, so that
// the check holds at any scale.
function nameShown(view, shot, index, picture = namePicture(index)) {
    const area = view.area(`imgWhat(${index})`);
    return difference(shot, area, picture, Math.floor(Math.min(area.w, picture.width) / 2),
        Math.floor(Math.min(area.h, picture.height) / 2));
}
const nameShownBelow = 12, nameMissingAbove = 25;

// A tap on letter `index` studies it: that letter alone is framed, and the place of its name
// picture, which showed the banner, shows the picture.
async function studies(view, index, label, file) {
    const picture = namePicture(index);
    const missing = nameShown(view, await view.shot(), index, picture);
    await view.tap(`imgBukv(${index})`);
    let framed, shown;
    await view.poll((shot) => {
        framed = framedLetters(shot, view);
        shown = nameShown(view, shot, index, picture);
        return framed.length === 1 && framed[0] === index && shown < nameShownBelow;
    }, file);
    console.log(`${label}: a tap on letter ${index} framed ${JSON.stringify(framed)}; its `
        + `name picture differs by ${missing.toFixed(1)} before, ${shown.toFixed(1)} after`);
    if (missing <= nameMissingAbove)
        throw new Error(`${label}: the name picture of letter ${index} was on show before`);
    if (framed.length !== 1 || framed[0] !== index || shown >= nameShownBelow)
        throw new Error(`${label}: the tap on letter ${index} did not study it`);
}

// The canvas and every control within the screen, the arrangement the one expected.
function fits(view, screen, arrangement, label) {
    const problems = view.misfits(screen.mobile);
    const { layout } = view;
    if (layout.arrangement !== arrangement)
        problems.unshift(`the arrangement is ${layout.arrangement}, not ${arrangement}`);
    console.log(`${label}: ${layout.arrangement} at scale ${layout.scale.toFixed(3)}, canvas `
        + `${view.canvas.width} × ${view.canvas.height}, `
        + (problems.length ? problems.slice(0, 4).join("; ") : "all controls inside"));
    if (problems.length)
        throw new Error(`${label}: the window does not fit the screen`);
}

async function main() {
    const server = await serve(path.resolve(siteArg));
    const url = `http://127.0.0.1:${server.address().port}/`;
    // The files the server was asked for, in order.
    const requests = [];
    server.on("request", (request) => requests.push(new URL(request.url, url).pathname));
    const devtools = launch();

    const times = [], sizes = [];
    let last;
    for (let i = 0; i < loads; ++i) {
        if (last)
            await last.close();
        last = await open(devtools, url, screens.desktop);
        times.push(last.painted);
        sizes.push(last.bytes);
        console.log(`load ${i + 1}: first paint ${last.painted.toFixed(0)} ms, `
            + `${(last.bytes / 1048576).toFixed(2)} MB transferred`);
    }
    console.log(`median of ${loads}: first paint ${median(times).toFixed(0)} ms, `
        + `${(median(sizes) / 1048576).toFixed(2)} MB transferred`);

    // Where the page has room, the window sits at its own size in it, never stretched.
    const { canvas, layout } = last;
    if (canvas.width !== 1190 || canvas.height !== 552 || layout.scale !== 1)
        throw new Error(`the window is ${canvas.width} × ${canvas.height} CSS pixels, `
            + `at scale ${layout.scale}`);
    fits(last, screens.desktop, "landscape", `desktop ${named(screens.desktop)}`);

    // A click on the first letter shows its name picture, pixel for pixel.
    const name = namePicture(0, "");
    const nameArea = last.area("imgWhat(0)");
    const missing = difference(await last.shot(beforePng), nameArea, name);
    await last.click("imgBukv(0)");
    let shown;
    await last.poll((shot) => (shown = difference(shot, nameArea, name)) <= 6, afterPng);
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
        await last.poll((shot) => ready(framed = framedLetters(shot, last)), file);
        return framed;
    };
    await last.click("cmdCheck");
    await framedAfter(boxPng, (framed) => framed.length === 0);
    await last.click("imgBukv(0)");
    await sleep(500);
    await last.click("imgBukv(48)");
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
    const askedShown = difference(decodePng(fs.readFileSync(okPng)),
        last.area(`imgWhat(${afterOk[0]})`), namePicture(afterOk[0], ""));
    if (askedShown > 6)
        throw new Error(`after OK the name picture of letter ${afterOk[0]} is not shown`);
    await last.close();

    // Phones and a tablet, with touch. Each screen in a fresh context: the window must fit it
    // whole in the arrangement its shape asks for, and a tap must study a letter.
    const shots = path.dirname(afterPng);
    const devices = [
        ["phone on its side", screens.phoneLandscape, "landscape", 10,
            "screenshot-web-phone-landscape.png"],
        ["phone upright", screens.phonePortrait, "portrait", 40,
            "screenshot-web-phone-portrait.png"],
        ["tablet upright", screens.tabletPortrait, "portrait", 26,
            "screenshot-web-tablet-portrait.png"],
    ];
    for (const [what, screen, arrangement, letter, file] of devices) {
        const label = `${what} ${named(screen)}`;
        const view = await open(devtools, url, screen,
            screen === screens.phoneLandscape ? { context: "default" } : {});
        fits(view, screen, arrangement, label);
        const [, , w, h] = view.rect("imgBukv(0)");
        console.log(`${label}: a letter is ${w.toFixed(1)} × ${h.toFixed(1)} CSS px`);
        await studies(view, letter, label, path.join(shots, file));
        if (screen === screens.phoneLandscape) {
            // Installable: Chromium finds nothing missing in the manifest, the icons and the
            // service worker, once that is running.
            await view.workerRunning();
            const { installabilityErrors } = await view.page("Page.getInstallabilityErrors");
            const { errors } = await view.page("Page.getAppManifest");
            const all = [...installabilityErrors.map((e) => e.errorId),
                ...errors.map((e) => e.message)];
            console.log(`installable: ${all.length ? all.join("; ") : "no errors"}`);
            if (all.length)
                throw new Error("Chromium would not install the site");
        }
        await view.close();
    }

    // In the alphabet truths a finger drawn from letter 0 to letter 24 frames the line under
    // it letter by letter: row 1 over letter 8, row 2 over 16, row 3 over 24, each alone;
    // lifting it clicks nothing, so row 3 stays.
    for (const screen of [screens.phonePortrait, screens.phoneLandscape]) {
        const label = `truths ${named(screen)}`;
        const view = await open(devtools, url, screen);
        // The button's caption changes with the mode: wait for that before the finger.
        const area = whole(view.area("cmdAzbIst"));
        const before = crop(await view.shot(), area);
        await view.tap("cmdAzbIst");
        await view.poll((shot) => difference(shot, area, before, 8, 4) > 0);
        const row = (index) => JSON.stringify(Array.from({ length: 7 },
            (_, i) => 7 * Math.floor(index / 7) + i));
        const seen = [];
        let framed;
        await view.touch("touchStart", "imgBukv(0)");
        for (const index of [8, 16, 24]) {
            await view.slide(`imgBukv(${index})`);
            await view.poll((shot) =>
                JSON.stringify(framed = framedLetters(shot, view)) === row(index));
            seen.push(framed);
        }
        await view.touch("touchEnd");
        await sleep(500);
        const lifted = framedLetters(await view.shot(), view);
        console.log(`${label}: a finger over letters 8, 16 and 24 framed `
            + `${seen.map((f) => JSON.stringify(f)).join(", ")}; lifted, ${JSON.stringify(lifted)}`);
        if (seen.some((f, i) => JSON.stringify(f) !== row(8 * (i + 1)))
            || JSON.stringify(lifted) !== row(24))
            throw new Error(`${label}: the frames did not follow the finger row by row`);
        await view.close();
    }

    // A turn keeps what the window shows: a letter studied upright is still framed, with
    // its name picture, once the phone lies on its side.
    {
        const label = "turn";
        const view = await open(devtools, url, screens.phonePortrait);
        await studies(view, 33, `${label}, upright`, undefined);
        const arranged = view.arranged;
        await view.setScreen(screens.phoneLandscape);
        await view.waitForArrangement("landscape", arranged);
        let framed, shown;
        await view.poll((shot) => {
            framed = framedLetters(shot, view);
            shown = nameShown(view, shot, 33);
            return JSON.stringify(framed) === "[33]" && shown < nameShownBelow;
        });
        console.log(`${label}: on its side ${view.layout.arrangement}, framed `
            + `${JSON.stringify(framed)}, name picture 33 differs by ${shown.toFixed(1)}`);
        if (JSON.stringify(framed) !== "[33]" || shown >= nameShownBelow)
            throw new Error(`${label}: letter 33 and its name are not shown after the turn`);
        fits(view, screens.phoneLandscape, "landscape", `${label}, on its side`);
        await view.close();
    }

    // A screen too small even for the window scaled: the whole window, smaller still.
    {
        const view = await open(devtools, url, screens.tiny);
        fits(view, screens.tiny, "landscape", `small screen ${named(screens.tiny)}`);
        await view.close();
    }

    // Offline: once the service worker is running, a reload with no network shows the window
    // from its cache, without asking the server for a single file of the site, and a tap
    // still studies a letter.
    {
        const label = "offline";
        const view = await open(devtools, url, screens.phoneLandscape);
        await view.workerRunning();
        const kept = await view.evaluate(`(async () => {
            const names = await caches.keys();
            const sizes = await Promise.all(names.map(async (name) =>
                (await (await caches.open(name)).keys()).length));
            return names.map((name, i) => name + " (" + sizes[i] + " files)").join(", ");
        })()`);
        await view.page("Network.emulateNetworkConditions",
            { offline: true, latency: 0, downloadThroughput: -1, uploadThroughput: -1 });
        const asked = requests.length;
        await view.evaluate("window.znakovitFirstPaint = undefined");
        await view.page("Page.reload");
        const painted = await view.waitForWindow();
        const served = await view.evaluate("!!navigator.serviceWorker.controller");
        const fetched = requests.slice(asked).filter((file) => file !== "/service-worker.js");
        console.log(`${label}: cache ${kept}; the reload drew the window at ${painted.toFixed(0)} `
            + `ms, ${served ? "served by the service worker" : "not served by the worker"}, `
            + `${fetched.length ? "fetched " + fetched.join(" ") : "no file from the server"}`);
        if (!served || fetched.length)
            throw new Error(`${label}: the site did not open from the service worker's cache`);
        await studies(view, 5, label, undefined);
        await view.close();
    }

    // A browser without WebGL is told so in a sentence of the page's own (not Qt's loader's
    // English error), and the program is not loaded.
    {
        const asked = requests.length;
        const view = await open(devtools, url, screens.desktop, { wait: false,
            script: "HTMLCanvasElement.prototype.getContext = () => null;" });
        let note = "";
        const told = /^Для работы программы нужна графика WebGL/;
        for (let waited = 0; waited < 10000 && !/WebGL/.test(note); waited += 100) {
            await sleep(100);
            note = await view.evaluate("document.getElementById('note').hidden ? '' : "
                + "document.getElementById('note-text').textContent");
        }
        await sleep(500);
        const program = requests.slice(asked).filter((file) => /\/znakovit-\w+\.(js|wasm)$/.test(file));
        console.log(`no WebGL: the page says «${note}»`
            + (program.length ? `, and fetched ${program.join(" ")}` : ""));
        if (!told.test(note) || program.length)
            throw new Error("without WebGL the page must say so and not load the program");
        await view.close();
    }

    // What the server lets browsers keep: the files named by the hash of their bytes for
    // good, the others (the page, the manifest, the service worker) only until they have
    // asked again.
    {
        const caching = {};
        for (const file of fs.readdirSync(siteArg)) {
            if (/\.(br|gz)$/.test(file) || !fs.statSync(path.join(siteArg, file)).isFile())
                continue;
            caching[file] = await new Promise((resolve, reject) => http.request(url + file,
                { method: "HEAD" }, (response) => resolve(response.headers["cache-control"]))
                .on("error", reject).end());
        }
        const lasting = Object.keys(caching).filter((file) => /immutable/.test(caching[file]));
        console.log(`kept for good: ${lasting.join(" ")}; asked again: `
            + Object.keys(caching).filter((file) => caching[file] === "no-cache").join(" "));
        if (lasting.length !== 3 || !lasting.every((file) => /-[0-9a-f]{12}\.(js|wasm)$/.test(file))
            || Object.keys(caching).some((file) => !lasting.includes(file)
                && caching[file] !== "no-cache"))
            throw new Error("the program and the loader, and they alone, are to be kept for good");
    }

    // A server that sends the program under another type than application/wasm: the
    // browser cannot compile it as it arrives, so the loader takes it whole first, and the
    // window still starts, with no word of it on the page.
    {
        const plain = await serve(path.resolve(siteArg), 0,
            { types: { ".wasm": "application/octet-stream" } });
        const view = await open(devtools, `http://127.0.0.1:${plain.address().port}/`,
            screens.desktop);
        const note = await view.evaluate("document.getElementById('note').hidden");
        console.log(`program sent as application/octet-stream: the window drawn at `
            + `${view.painted.toFixed(0)} ms, the loading note ${note ? "gone" : "still shown"}`);
        if (!note)
            throw new Error("with the program sent under another type the note stayed up");
        await view.close();
        plain.close();
    }

    // A new build is taken at the next start, whole. Two builds of the site, the second with
    // its own page title, served in turn from one address: a reload while the first one's
    // page is open still shows the first build, the second waiting in a cache of its own; a
    // start after that page has closed shows the second, and only its cache is left.
    {
        const label = "new build";
        const folder = fs.mkdtempSync(path.join(os.tmpdir(), "znakovit-builds-"));
        scratch.push(folder);
        const [first, second, current] = ["first", "second", "site"]
            .map((name) => path.join(folder, name));
        for (const build of [first, second])
            fs.cpSync(path.resolve(siteArg), build, { recursive: true });
        const page = path.join(second, "index.html");
        fs.writeFileSync(page, fs.readFileSync(page, "utf8").replace("<title>", "<title>2: "));
        for (const twin of [".gz", ".br"])
            fs.rmSync(page + twin, { force: true });
        execFileSync(path.join(__dirname, "stamp-worker.sh"), [second], { stdio: "ignore" });
        fs.symlinkSync(first, current);
        const builds = await serve(current);
        const address = `http://127.0.0.1:${builds.address().port}/`;
        const state = (view) => view.evaluate(`(async () => {
            const worker = await navigator.serviceWorker.getRegistration();
            return (document.title.startsWith("2: ") ? "second" : "first") + " build shown, "
                + (worker && worker.waiting ? "a worker waiting, " : "")
                + "caches " + (await caches.keys()).join(" ");
        })()`);
        const view = await open(devtools, address, screens.phoneLandscape);
        await view.workerRunning();
        fs.unlinkSync(current);
        fs.symlinkSync(second, current);
        await view.evaluate("window.znakovitFirstPaint = undefined");
        await view.page("Page.reload");
        await view.waitForWindow();
        await view.evaluate("new Promise((done) => { const wait = async () => "
            + "(await navigator.serviceWorker.getRegistration()).waiting ? done() "
            + ": setTimeout(wait, 100); wait(); setTimeout(done, 20000); })");
        const reloaded = await state(view);
        await view.closePage();
        await sleep(2000);
        const next = await open(devtools, address, screens.phoneLandscape,
            { context: view.browserContextId });
        const started = await state(next);
        console.log(`${label}: a reload: ${reloaded}; the next start: ${started}`);
        if (!/^first build shown, a worker waiting, caches \S+ \S+$/.test(reloaded)
            || !/^second build shown, caches \S+$/.test(started))
            throw new Error(`${label}: the builds were not taken whole, one start after another`);
        await next.close();
        await devtools.send("Target.disposeBrowserContext",
            { browserContextId: view.browserContextId });
        builds.close();
    }

    server.close();
    console.log("browser check passed");
}

const run = siteArg === "--suite" ? runSuite(beforePng, afterPng) : main();
run.then(finish, (error) => fail(error.message));
