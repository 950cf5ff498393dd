import com.quenora.*;
// The conversion program the reorganisation calls, written elsewhere.
public class p001 {
  public p001(int remoteHandle, ModelContext context) {}
  public void execute() {}
}
