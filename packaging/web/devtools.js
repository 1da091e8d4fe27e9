// SPDX-License-Identifier: GPL-3.0-or-later
// What the browser check and the web benchmark share: headless Chromium on a fresh profile,
// spoken to over the DevTools protocol through a pipe, and a decoder for its screenshots.
"use strict";
const { spawn } = require("child_process");
const fs = require("fs");
const os = require("os");
const path = require("path");
const zlib = require("zlib");

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

// Chromium on a fresh, empty profile (CHROMIUM=path overrides /usr/bin/chromium). `ended`
// runs if it ends by itself; close() ends it with its helper processes, which write to the
// profile too, and then removes the profile.
function launchChromium(ended) {
    const profile = fs.mkdtempSync(path.join(os.tmpdir(), "znakovit-chromium-"));
    const chromium = spawn(process.env.CHROMIUM || "/usr/bin/chromium", [
        "--headless", "--no-sandbox", "--disable-gpu", "--use-angle=swiftshader",
        "--disable-quic", "--no-first-run", "--disable-background-networking",
        "--disable-component-update", "--disable-sync", "--disable-extensions",
        "--remote-debugging-pipe", `--user-data-dir=${profile}`, "about:blank",
    ], { stdio: ["ignore", "ignore", "ignore", "pipe", "pipe"], detached: true });
    chromium.on("exit", (code) => ended && ended(code));
    const devtools = new DevTools(chromium.stdio[3], chromium.stdio[4]);
    devtools.close = () => new Promise((resolve) => {
        const removeProfile = () => {
            try {
                fs.rmSync(profile, { recursive: true, force: true, maxRetries: 20 });
            } catch (error) {
                console.error(`${profile} left behind: ${error.message}`);
            }
            resolve();
        };
        if (chromium.exitCode !== null || chromium.signalCode !== null)
            return removeProfile();
        chromium.removeAllListeners("exit");
        chromium.once("exit", removeProfile);
        process.kill(-chromium.pid, "SIGKILL");
        setTimeout(removeProfile, 5000);
    });
    return devtools;
}

// Decodes an 8-bit grey, RGB, RGBA or palette PNG, as Chromium and the picture generator
// write them.
function decodePng(bytes) {
    let width, height, colour, channels, palette;
    const data = [];
    for (let at = 8; at < bytes.length;) {
        const length = bytes.readUInt32BE(at);
        const type = bytes.toString("latin1", at + 4, at + 8);
        const body = bytes.subarray(at + 8, at + 8 + length);
        if (type === "IHDR") {
            width = body.readUInt32BE(0);
            height = body.readUInt32BE(4);
            colour = body[9];
            channels = { 0: 1, 2: 3, 3: 1, 6: 4 }[colour];
            if (body[8] !== 8 || !channels || body[12] !== 0)
                throw new Error("only 8-bit grey, RGB, RGBA or palette PNG without interlacing");
        } else if (type === "PLTE") {
            palette = body;
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
        if (colour === 0)
            return [pixels[at], pixels[at], pixels[at]];
        if (colour === 3)
            return [...palette.subarray(pixels[at] * 3, pixels[at] * 3 + 3)];
        return [pixels[at], pixels[at + 1], pixels[at + 2]];
    };
    return { width, height, rgb };
}

const median = (values) => {
    const sorted = [...values].sort((a, b) => a - b);
    const middle = sorted.length >> 1;
    return sorted.length % 2 ? sorted[middle] : (sorted[middle - 1] + sorted[middle]) / 2;
};

const sleep = (ms) => new Promise((resolve) => setTimeout(resolve, ms));

module.exports = { DevTools, launchChromium, decodePng, median, sleep };
