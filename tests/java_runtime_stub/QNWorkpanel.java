/** A work panel. */
public class QNWorkpanel extends QNProgram {
  public void setFocus(Object control) {}
  public void refreshArray(String name) {}
}
