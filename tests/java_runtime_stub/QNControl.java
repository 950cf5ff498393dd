/** What every form control answers: its component and the accessors of its properties. */
public class QNControl {
  public Object getQNComponent() { return this; }
  // Visible int(1); Count int(2); Style (no row) char(1024).
  public byte getVisible() { return 0; }
  public byte getItemCount() { return 0; }
  public String getQNStyle() { return ""; }
  // A control shows a variable of any type.
  public void setValue(Object value) {}
}
