// Test stand-in of the runtime library: compiled against by the generator's
// tests, never installed.
package com.quenora.uifactory;

// A control that takes the focus in the form's tab order.
public interface IFocusableControl {}
