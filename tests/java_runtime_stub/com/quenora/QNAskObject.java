// Test stand-in of the runtime library: compiled against by the generator's
// tests, never installed.
package com.quenora;

import com.quenora.uifactory.GUIObject;

// An entry of the ask dialog: the holder of its edit, its prompt and its
// length.
public class QNAskObject {
  public QNAskObject(GUIObject holder, String prompt, int length) {}
}
