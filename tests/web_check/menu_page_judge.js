#!/usr/bin/env node
// The judge of a page's menu scripts: jsdom (locked in this folder's
// package-lock.json, installed by scripts/setup with npm ci) loads the page
// with the runtime's tree.js and mb.js replaced by the recording stand-ins
// of menu_stand_in/ and the menu bar's own script as generated. The page
// must run without an error, its scripts in order (tree.js, mb.js, the
// menu bar's script, then the page's own), and tBuildMenuPad must get the
// tree whose LoadXML got the menu bar's XML text.
//
// usage: node menu_page_judge.js PAGE.html MENUBAR_SCRIPT.js MENUBAR
// Exit 0 when the page passed; otherwise every fault on stderr, exit 1 (2
// when jsdom is missing).
"use strict";
const fs = require("fs");
const path = require("path");

let jsdom;
try {
  jsdom = require("jsdom");
} catch (e) {
  console.error("menu_page_judge: jsdom is missing: run npm ci in tests/web_check (scripts/setup " +
                "installs the npm package jsdom 26.1.0 from its package-lock.json)");
  process.exit(2);
}

function main(argv) {
  if (argv.length !== 3) {
    console.error("usage: node menu_page_judge.js PAGE.html MENUBAR_SCRIPT.js MENUBAR");
    return Promise.resolve(1);
  }
  const [pageFile, scriptFile, menubar] = argv;
  const html = fs.readFileSync(pageFile, "latin1");
  const standIn = path.join(__dirname, "menu_stand_in");
  // What the page may load: the stand-ins and the menu bar's script, the
  // last with a recording line of its own after it.
  const files = {
    "tree.js": fs.readFileSync(path.join(standIn, "tree.js"), "latin1"),
    "mb.js": fs.readFileSync(path.join(standIn, "mb.js"), "latin1"),
  };
  files[menubar + ".js"] = fs.readFileSync(scriptFile, "latin1") +
                           "\n;qnMenuRecord.push({ step: " + JSON.stringify(menubar + ".js") + " });\n";
  const faults = [];
  const base = "file:///page/";

  class Loader extends jsdom.ResourceLoader {
    fetch(url, options) {
      const name = url.startsWith(base) ? url.slice(base.length) : url;
      if (!(name in files)) {
        faults.push("the page loads the unknown script " + url);
        return Promise.reject(new Error("unknown script " + url));
      }
      return Promise.resolve(Buffer.from(files[name], "latin1"));
    }
  }

  const console_ = new jsdom.VirtualConsole();
  console_.on("jsdomError", (e) => faults.push("script error: " + (e.detail && e.detail.stack || e.message)));
  console_.on("error", (...a) => faults.push("console.error: " + a.join(" ")));

  const dom = new jsdom.JSDOM(html, {
    url: base + "page.html",
    runScripts: "dangerously",
    resources: new Loader(),
    virtualConsole: console_,
  });
  const window = dom.window;
  return new Promise((resolve) => {
    const timer = setTimeout(() => {
      faults.push("the page did not finish loading");
      resolve(report());
    }, 10000);
    window.addEventListener("load", () => {
      clearTimeout(timer);
      resolve(report());
    });
  }).then((code) => {
    window.close();
    return code;
  });

  function report() {
    const record = window.qnMenuRecord;
    if (!Array.isArray(record)) {
      faults.push("tree.js never ran");
    } else {
      const steps = record.map((r) => r.step);
      const want = ["tree.js", "mb.js", menubar + ".js", "new Tree", "LoadXML", "tBuildMenuPad"];
      if (JSON.stringify(steps) !== JSON.stringify(want)) {
        faults.push("steps " + JSON.stringify(steps) + ", expected " + JSON.stringify(want));
      }
      const xml = window[menubar + "XML"];
      if (typeof xml !== "string" || xml.length === 0) faults.push(menubar + "XML is no text");
      const built = record.find((r) => r.step === "new Tree");
      const loaded = record.find((r) => r.step === "LoadXML");
      const drawn = record.find((r) => r.step === "tBuildMenuPad");
      if (built && JSON.stringify(built.args) !== JSON.stringify([menubar, ""])) {
        faults.push("the tree is built with " + JSON.stringify(built.args));
      }
      if (built && window[menubar] !== built.tree) faults.push("the variable " + menubar + " is not the tree");
      if (loaded && (loaded.tree !== built.tree || loaded.args[0] !== xml)) {
        faults.push("LoadXML did not get " + menubar + "XML on the page's tree");
      }
      if (drawn && (!loaded || drawn.tree !== loaded.tree || drawn.tree.xml !== xml)) {
        faults.push("tBuildMenuPad did not get the tree that loaded " + menubar + "XML");
      }
      if (drawn && JSON.stringify(drawn.args) !== JSON.stringify(["H", 0, 0])) {
        faults.push("tBuildMenuPad got " + JSON.stringify(drawn.args));
      }
    }
    for (const f of faults) console.error("menu_page_judge: " + f);
    return faults.length ? 1 : 0;
  }
}

main(process.argv.slice(2)).then((code) => process.exit(code));
