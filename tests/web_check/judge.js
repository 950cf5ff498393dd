// Appended to a test copy of a page: runs what the page's scripts define
// and prints its verdicts into the page (one line each, "ok " or "FAIL "),
// which chromium's --dump-dom shows. alert, open, setTimeout and
// clearTimeout are stubbed; the opener is a stand-in. QN_FOCUS is the name
// of the control the page's focus script names (null when it has none).
(function () {
  var out = [];
  function say(ok, what) { out.push((ok ? 'ok ' : 'FAIL ') + what); }
  var alerts = 0, opened = 0, timers = 0, cleared = 0;
  window.alert = function () { alerts++; };
  window.open = function () { opened++; return { closed: false, focus: function () {} }; };
  window.setTimeout = function () { timers++; return 7; };
  window.clearTimeout = function () { cleared++; };
  window.close = function () {};
  function field(v) { return { value: v, focus: function () {} }; }
  function table(name, fn, pass, fail) {
    pass.forEach(function (v) { alerts = 0; fn(field(v)); say(alerts === 0, name + ' passes ' + JSON.stringify(v)); });
    fail.forEach(function (v) { alerts = 0; fn(field(v)); say(alerts === 1, name + ' alerts once on ' + JSON.stringify(v)); });
  }
  try {
    if (QN_FOCUS !== null) {
      var a = document.activeElement;
      say(a && a.name === QN_FOCUS, 'focus on ' + QN_FOCUS + ' (has ' + (a ? a.tagName + ' ' + a.name : 'none') + ')');
    }
    if (typeof valid_decimal === 'function')
      table('valid_decimal', valid_decimal, ['12', ' -1.5 ', '.5', ''], ['1.2.3', 'abc', '1\\5']);
    if (typeof valid_integer === 'function')
      table('valid_integer', valid_integer, ['12', ' -15 ', ''], ['1.5', 'abc', '1\\5']);
    Object.keys(window).filter(function (k) { return /^prompt_/.test(k) && typeof window[k] === 'function'; })
      .forEach(function (k) {
        opened = 0;
        QNPARAMETERS.length = 0;
        window[k]('0001');
        window[k]('0001');
        say(opened === 1 && QNPARAMETERS.length > 0, k + ' fills QNPARAMETERS (' + QNPARAMETERS.length + ') and opens once (' + opened + ')');
      });
    if (typeof QN_js_return === 'function') {
      var fields = [], args = [];
      for (var i = 0; i < QN_js_return.length; i++) { fields.push(field('')); args.push('r' + i); }
      window.opener = { QNPARAMETERS: fields };
      QN_js_return.apply(null, args);
      say(fields.every(function (f, i) { return f.value === 'r' + i; }), 'QN_js_return writes the opener\'s ' + fields.length + ' fields');
    }
    if (typeof ClearForm === 'function') {
      var inputs = Array.prototype.filter.call(document.forms[0].elements, function (e) { return e.type === 'text' || e.type === 'password'; });
      inputs.forEach(function (e) { e.value = 'x'; });
      ClearForm(document.forms[0]);
      say(inputs.every(function (e) { return e.value === ''; }), 'ClearForm resets every field (' + inputs.length + ')');
    }
    if (typeof window_focus === 'function') {
      // The window may have had the focus (and its timer) before the judge
      // ran: the functions are judged from no timer.
      qn_Window_Timer = null;
      timers = 0;
      cleared = 0;
      window_focus();
      window_focus();
      say(timers === 1, 'window_focus sets one timer (' + timers + ')');
      window_blur();
      say(cleared === 1 && qn_Window_Timer === null, 'window_blur clears it');
    }
    if (typeof QN_js_close === 'function') {
      document.forms[0].sCallerURL.value = '#closed';
      QN_js_close();
      say(location.hash === '#closed', 'QN_js_close goes to sCallerURL (' + location.hash + ')');
    }
  } catch (e) {
    say(false, 'the judge stopped: ' + e);
  }
  var pre = document.createElement('pre');
  pre.id = 'qn-verdicts';
  pre.textContent = out.join('\n');
  document.body.appendChild(pre);
})();
