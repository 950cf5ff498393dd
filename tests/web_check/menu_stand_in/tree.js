// Stand-in of the runtime's menu tree script for the page judge: records
// the tree it is asked to build and the XML text it is given.
var qnMenuRecord = [{ step: "tree.js" }];
function Tree(name, target) {
  this.name = name;
  this.target = target;
  this.xml = undefined;
  qnMenuRecord.push({ step: "new Tree", tree: this, args: [name, target] });
}
Tree.prototype.LoadXML = function (xml) {
  this.xml = xml;
  qnMenuRecord.push({ step: "LoadXML", tree: this, args: [xml] });
};
