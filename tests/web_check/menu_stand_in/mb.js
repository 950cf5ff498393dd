// Stand-in of the runtime's menu bar script for the page judge: records
// the drawing of a tree.
qnMenuRecord.push({ step: "mb.js" });
function tBuildMenuPad(tree, kind, x, y) {
  qnMenuRecord.push({ step: "tBuildMenuPad", tree: tree, args: [kind, x, y] });
}
