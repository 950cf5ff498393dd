/** A combo box of a work panel. */
public class QNComboBox extends QNControl {
  public void addItem(Object value, String text) {}
  public void removeAllItems() {}
}
