// Test stand-in of the runtime library: compiled against by the generator's
// tests, never installed.
package com.quenora.webpanels;

import com.quenora.uifactory.QNControl;

public class IListbox extends QNControl {}
