import com.quenora.*;
// The conversion program the reorganisation calls, written elsewhere.
public class p005 {
  public p005(int remoteHandle, ModelContext context) {}
  public void execute() {}
}
