/** A choice control of a web panel. */
public class IChoice extends QNControl {
  public void removeAllItems() {}
}
