import com.quenora.*;
// The conversion program the reorganisation calls, written elsewhere.
public class p003 {
  public p003(int remoteHandle, ModelContext context) {}
  public void execute() {}
}
