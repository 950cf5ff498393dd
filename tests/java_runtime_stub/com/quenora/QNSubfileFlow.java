// Test stand-in of the runtime library: compiled against by the generator's
// tests, never installed.
package com.quenora;

import com.quenora.uifactory.*;

// What a subfile asks its form: when to load and refresh, which lines a
// search keeps, their colours and which cells accept input.
public interface QNSubfileFlow {
  boolean isLoadAtStartup();
  void autoRefresh(QNSubfile subfile, boolean loadedFirstTime);
  void resetSubfileConditions();
  void refreshScreen();
  QNSubfileElement getNewSubfileElement();
  boolean getSearch(QNSubfileElement subfileElement);
  void setConditionalColor(GUIObject comp, QNSubfileElement element);
  boolean getNoaccept(int col, QNSubfileElement element, boolean enabled);
}
